#include "ui/EditableCombo.h"

#include <QCompleter>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStyleOptionComboBox>

namespace zel {
namespace {

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

EditableCombo::EditableCombo(QWidget* parent) : QComboBox(parent) {}

EditableCombo::~EditableCombo() = default;

QLineEdit* EditableCombo::EditField() {
    if (lineEdit() == nullptr) {
        // setLineEdit does all that setEditable does but for the list, which the box makes
        // as it opens it, for the editable box it is by then.
        auto* edit = new QLineEdit(this);
        edit->setCompleter(&Placeholder());
        setLineEdit(edit);
        edit->setCompleter(nullptr);
    }
    return lineEdit();
}

void EditableCombo::MakeCompleter() {
    m_completerMade = true;
    auto* completer = new QCompleter(model(), EditField());
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::InlineCompletion);
    completer->setCompletionColumn(modelColumn());
    setCompleter(completer);
}

bool EditableCombo::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        EditField();
        break;
    // Nothing can be typed into a box before it takes the focus or a key.
    case QEvent::FocusIn:
    case QEvent::KeyPress:
    case QEvent::InputMethod:
        if (!m_completerMade) {
            MakeCompleter();
        }
        break;
    default:
        break;
    }
    return QComboBox::event(event);
}

void EditableCombo::initStyleOption(QStyleOptionComboBox* option) const {
    QComboBox::initStyleOption(option);
    // Not yet shown, the box is still what it will look like when it is.
    option->editable = true;
}

} // namespace zel
