#pragma once
// An editable combo box that makes its edit field when it is first shown or used, its
// drop-down list when it is first opened and its completer when it is first typed into.
// Qt's own way to make a box editable builds all three at once; sixty drive boxes made that
// way, most of them on pages not yet shown, were half of the launcher's start.

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
    void initStyleOption(QStyleOptionComboBox* option) const override;

private:
    void MakeCompleter();

    bool m_completerMade = false;
};

} // namespace zel
