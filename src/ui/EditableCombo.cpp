#include "ui/EditableCombo.h"

#include <QCompleter>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
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

// One edit field, never shown, that draws the text of every box without one of its own: what
// it draws is what the box's own field will.
QPointer<QLineEdit>& StampHeld() {
    static QPointer<QLineEdit> stamp;
    return stamp;
}

QLineEdit& Stamp() {
    QPointer<QLineEdit>& stamp = StampHeld();
    if (stamp.isNull()) {
        stamp = new QLineEdit;
        stamp->setFrame(false);
        // A widget must go while the application is still whole.
        qAddPostRoutine([] { delete StampHeld().data(); });
    }
    return *stamp;
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
    // The pointer comes before its click, which then reaches the field.
    case QEvent::Enter:
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

void EditableCombo::paintEvent(QPaintEvent* event) {
    QComboBox::paintEvent(event);
    if (lineEdit() != nullptr) {
        return;
    }
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    QLineEdit& stamp = Stamp();
    // Whole: what the box only inherits would otherwise fall back to the application's.
    QFont ownFont = font();
    ownFont.setResolveMask(QFont::AllPropertiesResolved);
    stamp.setFont(ownFont);
    QPalette ownPalette = palette();
    ownPalette.setResolveMask(~QPalette::ResolveMask(0));
    stamp.setPalette(ownPalette);
    stamp.setEnabled(isEnabled());
    stamp.resize(field.size());
    // A text wider than the field is scrolled from where the last one drawn left it: an
    // empty one puts it back where a new field starts.
    stamp.clear();
    stamp.grab();
    stamp.setText(currentText());
    // Through a picture of its own: rendered straight onto the window, it draws nothing there.
    QPainter(this).drawPixmap(field.topLeft(), stamp.grab());
}

void EditableCombo::initStyleOption(QStyleOptionComboBox* option) const {
    QComboBox::initStyleOption(option);
    // Not yet shown, the box is still what it will look like when it is.
    option->editable = true;
}

} // namespace zel
