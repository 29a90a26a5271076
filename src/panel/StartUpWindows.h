#pragma once
// The windows of the program as the start-up sequence makes them: a face creates each one
// when asked, hidden, and shows it when told; the order and the timing are the sequence's.

#include "config/ProgressView.h"

namespace zel {

class LauncherPanel;
class MessageQueue;
class SettingsPanel;

class StartUpWindows {
public:
    virtual ~StartUpWindows() = default;

    // The one message window, there before every other.
    [[nodiscard]] virtual MessageQueue& Messages() = 0;
    // The normal panel starts: the face's own dialogs take the program's name as title.
    virtual void NameApplication() = 0;
    // Creating a window runs its set-up.
    virtual void CreateMainWindow() = 0;
    virtual void CreateSelfInstallWindow() = 0;
    virtual void CreateSettingsDialog() = 0;
    [[nodiscard]] virtual LauncherPanel& MainPanel() = 0;
    [[nodiscard]] virtual SettingsPanel& SettingsDialogPanel() = 0;
    // The progress window over the main window, up until it is closed.
    [[nodiscard]] virtual ProgressView& OpenProgressWindow() = 0;
    virtual void CloseProgressWindow() = 0;
    // With the focus on its exit button, so that a message shown by the start gives it back
    // there.
    virtual void ShowMainWindow() = 0;
    virtual void ShowSelfInstallWindow() = 0;
    // The program ends once the event loop is back.
    virtual void End() = 0;
};

} // namespace zel
