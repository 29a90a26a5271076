#pragma once
// The program's start on Win32: the panel's start-up sequence chooses the mode and the order
// of the windows; this makes each window it asks for and runs the message loop.

#include "catalogue/ProgramCatalogue.h"
#include "panel/StartMode.h"
#include "panel/StartUpSequence.h"
#include "panel/StartUpWindows.h"

#include <exception>
#include <memory>
#include <string>

namespace zel {

class MainWindow;
class MessageDialog;
class Platform;
class ProgressWindow;
class SelfInstallWindow;
class SettingsDialog;

class Launcher final : private StartUpWindows {
public:
    explicit Launcher(Platform& platform);
    ~Launcher() override;
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    // Everything before the event loop; the windows of the mode are on screen afterwards.
    StartMode Start();
    // Start, then the event loop until the mode's main window closes. Exit status 0.
    int Run();

    [[nodiscard]] StartMode Mode() const { return m_startUp.Mode(); }
    [[nodiscard]] const std::string& StartDirectory() const { return m_startUp.StartDirectory(); }
    [[nodiscard]] ProgramCatalogue& Catalogue() { return m_catalogue; }
    [[nodiscard]] MainWindow* Form1() const { return m_mainWindow.get(); }
    [[nodiscard]] SelfInstallWindow* Form2() const { return m_selfInstallWindow.get(); }
    // In normal mode, made when it is first asked for; null in the other modes.
    [[nodiscard]] SettingsDialog* Form3();
    [[nodiscard]] MessageDialog* Form4() const { return m_messageDialog.get(); }
    // Whether the mode's main window has closed: the program ends.
    [[nodiscard]] bool Ended() const { return m_ended; }

private:
    // StartUpWindows.
    MessageQueue& Messages() override;
    void NameApplication() override {}
    void CreateMainWindow() override;
    void CreateSelfInstallWindow() override;
    void CreateSettingsDialog() override;
    LauncherPanel& MainPanel() override;
    SettingsPanel& SettingsDialogPanel() override;
    ProgressView& OpenProgressWindow() override;
    void CloseProgressWindow() override;
    void ShowMainWindow() override;
    void ShowSelfInstallWindow() override;
    void End() override;

    // Errors that escape a handler go to the main window's AppException.
    void AppException(const std::exception& error);

    Platform& m_platform;
    ProgramCatalogue m_catalogue;
    StartUpSequence m_startUp;
    bool m_ended = false;
    std::unique_ptr<MessageDialog> m_messageDialog;
    std::unique_ptr<SelfInstallWindow> m_selfInstallWindow;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<SettingsDialog> m_settingsDialog;
    std::unique_ptr<ProgressWindow> m_progress;
};

} // namespace zel
