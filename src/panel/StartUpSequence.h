#pragma once
// The program's start, for both faces. A platform that is too old is refused with a message;
// the normal panel makes its main window, scans with the progress window over it, then makes
// the self-installation window and shows the main window; the self-installation makes its
// own window first and keeps the main window hidden. Creating a window runs its set-up, so
// the order carries meaning. The settings dialog is made when it is first needed, and the
// program ends when the mode's own window closes.

#include "panel/StartMode.h"
#include "panel/StartUpWindows.h"
#include "platform/Platform.h"

#include <exception>
#include <string>

namespace zel {

class StartUpSequence final {
public:
    StartUpSequence(Platform& platform, StartUpWindows& windows)
        : m_platform(platform), m_windows(windows) {}
    StartUpSequence(const StartUpSequence&) = delete;
    StartUpSequence& operator=(const StartUpSequence&) = delete;

    // Everything before the event loop; the windows of the mode are on screen afterwards.
    StartMode Start();

    [[nodiscard]] StartMode Mode() const { return m_mode; }
    // Empty outside every drive: no configuration file is found there, and the launcher
    // offers to install itself.
    [[nodiscard]] const std::string& StartDirectory() const { return m_startDirectory; }

    // The settings dialog is asked for: made the first time, in normal mode only. Whether it
    // exists afterwards.
    bool NeedSettingsDialog();

    // An error that escaped a handler: the main window's panel tells it, as the form's
    // application-wide handler did; before that window exists, a standard error box does.
    void AppException(const std::exception& error);

    void MainWindowClosed();
    void SelfInstallWindowClosed();

private:
    void StartNormal();
    void StartInstall();

    Platform& m_platform;
    StartUpWindows& m_windows;
    std::string m_startDirectory;
    StartMode m_mode = StartMode::Refused;
    bool m_mainWindowMade = false;
    bool m_settingsDialogMade = false;
};

} // namespace zel
