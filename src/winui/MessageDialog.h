#pragma once
// The one message window of the program (TForm4), as native controls. Showing a message
// returns at once; while it is up the window it belongs to is disabled, as Windows does for
// a dialog's owner, and when it closes that window is enabled again, the control that had
// the focus gets it back and what was to follow the message runs.

#include "panel/MessageView.h"
#include "winui/FocusReturn.h"
#include "winui/NativeWindow.h"

#include <functional>
#include <vector>

namespace zel {

class MessageDialog final : public NativeWindow, public MessageView {
public:
    MessageDialog();
    ~MessageDialog() override;

    // The windows a message may belong to (either may be null); OK of a message the
    // self-installation window owns closes it too.
    void SetWindows(HWND mainWindow, HWND selfInstallWindow);

    // MessageView. Texts are cut to 255 characters. A message without an owner, or whose
    // owner window does not exist, is centred on the screen.
    void ShowMessageDialog(MessageOwner owner, std::string_view text, MessageKind kind,
                           std::string_view detail, std::function<void()> afterwards) override;
    void ShowStandardError(std::string_view text) override;

    // The window the last message belonged to; null when none.
    [[nodiscard]] HWND CurrentOwner() const { return m_owner; }
    [[nodiscard]] HWND Image(MessageKind kind) const;
    [[nodiscard]] HWND Label1() const { return m_label1; }
    [[nodiscard]] HWND Label2() const { return m_label2; }
    [[nodiscard]] HWND Button1() const { return m_button1; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    [[nodiscard]] HWND OwnerWindow(MessageOwner owner) const;
    void ShowKind(MessageKind kind);
    void SetLine(HWND label, std::string_view text, int top);
    void Place();
    void Button1Click();
    void FormClose();
    void RunDue();

    HWND m_mainWindow = nullptr;
    HWND m_selfInstallWindow = nullptr;
    HWND m_owner = nullptr;
    // Every window a message disabled while the dialog has been up: all take input again
    // when it closes, even one whose message a later message replaced.
    std::vector<HWND> m_disabled;
    FocusReturn m_focusReturn;
    std::vector<std::function<void()>> m_afterwards;
    std::vector<std::function<void()>> m_due;
    HWND m_image1 = nullptr;
    HWND m_image2 = nullptr;
    HWND m_image3 = nullptr;
    HWND m_label1 = nullptr;
    HWND m_label2 = nullptr;
    HWND m_button1 = nullptr;
};

} // namespace zel
