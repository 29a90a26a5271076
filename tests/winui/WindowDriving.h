#pragma once
// Driving the face's windows as a user's keys would go: messages pumped through the dialog
// key handling of the face's own loop, waits that pump until what is checked has happened,
// and a plain window to own the dialogs.

#include "winui/NativeWindow.h"

#include <functional>
#include <string>
#include <vector>

namespace zel::test {

// Handles what is queued now, as the face's loop would.
void PumpPending();
// Pumps until done answers true or seconds pass; done's last answer.
[[nodiscard]] bool PumpUntil(const std::function<bool()>& done, int seconds = 10);
// A key pressed and released in control, as the keyboard would send it.
void PressKey(HWND control, WPARAM virtualKey);
[[nodiscard]] std::wstring TextOf(HWND window);
[[nodiscard]] RECT BoundsOf(HWND window);
// Its bounds in its parent's client area.
[[nodiscard]] RECT ClientBoundsOf(HWND control);

// A top-level window with one edit field, which holds the focus when it is active; it logs
// being enabled and closed, and hides on closing.
class OwnerWindow final : public NativeWindow {
public:
    OwnerWindow();
    [[nodiscard]] HWND Edit() const { return m_edit; }
    // Called when the window is enabled again.
    std::function<void()> onEnabled;
    int closes = 0;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND m_edit = nullptr;
};

} // namespace zel::test
