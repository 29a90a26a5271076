#include "ui/FocusReturn.h"

#include <QApplication>

namespace zel {

void FocusReturn::Remember() {
    if (!m_remembered) {
        m_control = QApplication::focusWidget();
        m_remembered = true;
    }
}

void FocusReturn::GiveBack() {
    QWidget* control = m_control;
    m_control = nullptr;
    m_remembered = false;
    if (control == nullptr || !control->isVisible()) {
        return;
    }
    control->window()->activateWindow();
    control->setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace zel
