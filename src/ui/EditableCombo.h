#pragma once
// An editable combo box that makes its edit field when the pointer, the focus or a key first
// comes to it, its drop-down list when it is first opened and its completer when it is first
// typed into. Qt's own way to make a box editable builds all three at once, and sixty drive
// boxes made that way were half of the launcher's start; the edit fields of the boxes on show
// were a twentieth of it. Until then the box draws its text as its edit field would.

#include <QComboBox>

namespace zel {

class EditableCombo final : public QComboBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EditableCombo)

public:
    explicit EditableCombo(QWidget* parent = nullptr);
    ~EditableCombo() override;

    // The edit field, made now if the box has not needed it yet.
    QLineEdit* EditField();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void initStyleOption(QStyleOptionComboBox* option) const override;

private:
    void MakeCompleter();

    bool m_completerMade = false;
};

} // namespace zel
