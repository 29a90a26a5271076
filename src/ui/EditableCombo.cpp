#include "ui/EditableCombo.h"

#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>

namespace zel {
namespace {

// The completer setLineEdit would have made: nothing can be typed into a box before it takes
// the focus or a key.
class CompleterOnFirstUse final : public QObject {
public:
    explicit CompleterOnFirstUse(QComboBox& box) : QObject(&box) { box.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::FocusIn || type == QEvent::KeyPress || type == QEvent::InputMethod) {
            auto& box = *static_cast<QComboBox*>(watched);
            auto* completer = new QCompleter(box.model(), box.lineEdit());
            completer->setCaseSensitivity(Qt::CaseInsensitive);
            completer->setCompletionMode(QCompleter::InlineCompletion);
            completer->setCompletionColumn(box.modelColumn());
            box.setCompleter(completer);
            box.removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

// Held by an edit field while the box takes it, so that the box makes no completer of its
// own; one serves every box.
QCompleter& Placeholder() {
    static QPointer<QCompleter> placeholder;
    if (placeholder.isNull()) {
        placeholder = new QCompleter(QCoreApplication::instance());
    }
    return *placeholder;
}

} // namespace

void MakeEditable(QComboBox& box) {
    // setLineEdit does all that setEditable does but for the list, which the box makes as it
    // opens it, for the editable box it is by then.
    auto* edit = new QLineEdit(&box);
    edit->setCompleter(&Placeholder());
    box.setLineEdit(edit);
    edit->setCompleter(nullptr);
    new CompleterOnFirstUse(box);
}

} // namespace zel
