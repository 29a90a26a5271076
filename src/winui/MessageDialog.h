#pragma once
// The one message window of the program (TForm4), as native controls, drawn for its
// panel-side queue. While a message is up the window it belongs to is disabled, as Windows
// does for a dialog's owner, and when it closes that window is enabled again.

#include "panel/MessageDialogLayout.h"
#include "panel/MessageQueue.h"
#include "panel/MessageView.h"
#include "winui/ControlBuilder.h"
#include "winui/FocusReturn.h"
#include "winui/NativeWindow.h"

#include <functional>
#include <vector>

namespace zel {

class MessageDialog final : public NativeWindow, public MessageView {
public:
    MessageDialog();
    ~MessageDialog() override;

    // The windows a message may belong to (either may be null).
    void SetWindows(HWND mainWindow, HWND selfInstallWindow);

    // Where every window shows its messages.
    [[nodiscard]] MessageQueue& Queue() { return m_queue; }

    // MessageView. A message without an owner, or whose owner window does not exist, is
    // centred on the screen.
    void ShowMessage(const MessageOnScreen& message) override;
    void HideMessage() override;
    void RememberFocus() override { m_focusReturn.Remember(); }
    void GiveBackFocus() override { m_focusReturn.GiveBack(); }
    void RunLater(std::function<void()> next) override;
    void CloseSelfInstallWindow() override;
    void ShowStandardError(std::string_view text) override;

    // The window the last message belonged to; null when none.
    [[nodiscard]] HWND CurrentOwner() const { return m_owner; }
    [[nodiscard]] HWND Image(MessageKind kind) const;
    [[nodiscard]] HWND Label1() const { return m_controls["Label1"]; }
    [[nodiscard]] HWND Label2() const { return m_controls["Label2"]; }
    [[nodiscard]] HWND Button1() const { return m_controls["Button1"]; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    [[nodiscard]] HWND OwnerWindow(MessageOwner owner) const;
    void ShowKind(MessageKind kind, std::string_view title);
    // Its width.
    int SetLine(HWND label, std::string_view text, int top);
    void Place(MessageWidth width);
    void RunDue();

    HWND m_mainWindow = nullptr;
    HWND m_selfInstallWindow = nullptr;
    HWND m_owner = nullptr;
    // Every window a message disabled while the dialog has been up: all take input again
    // when it closes, even one whose message a later message replaced.
    std::vector<HWND> m_disabled;
    FocusReturn m_focusReturn;
    std::vector<std::function<void()>> m_due;
    MessageQueue m_queue{*this};
    DescribedControls m_controls;
};

} // namespace zel
