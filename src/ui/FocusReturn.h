#pragma once
// The control that had the focus before a dialog was shown gets it back when the dialog
// closes, as the window system of the old panel did: Escape and Enter go on working there.

#include <QPointer>
#include <QWidget>

namespace zel {

class FocusReturn final {
public:
    // Remembers the focused control, unless one is remembered already.
    void Remember();
    void GiveBack();

private:
    QPointer<QWidget> m_control;
    bool m_remembered = false;
};

} // namespace zel
