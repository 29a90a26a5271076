#pragma once
// The one message window of the program (TForm4), as native controls. Showing a message
// returns at once; while it is up the window it belongs to is disabled, as Windows does for
// a dialog's owner, and when it closes that window is enabled again, the control that had
// the focus gets it back and what was to follow the message runs.

#include "panel/MessageView.h"
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

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace zel
