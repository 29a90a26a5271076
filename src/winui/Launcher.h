#pragma once
// The program's start: it records the start directory, lets the panel choose the mode and
// creates the windows in their order. The order carries meaning: creating a window runs its
// set-up.

#include "catalogue/ProgramCatalogue.h"
#include "panel/StartMode.h"

#include <exception>
#include <memory>
#include <string>

namespace zel {

class MainWindow;
class MessageDialog;
class Platform;
class SelfInstallWindow;
class SettingsDialog;

class Launcher final {
public:
    explicit Launcher(Platform& platform);
    ~Launcher();
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    // Everything before the event loop; the windows of the mode are on screen afterwards.
    StartMode Start();
    // Start, then the event loop until the mode's main window closes. Exit status 0.
    int Run();

    [[nodiscard]] StartMode Mode() const { return m_mode; }
    [[nodiscard]] const std::string& StartDirectory() const { return m_startDirectory; }
    [[nodiscard]] ProgramCatalogue& Catalogue() { return m_catalogue; }
    [[nodiscard]] MainWindow* Form1() const { return m_mainWindow.get(); }
    [[nodiscard]] SelfInstallWindow* Form2() const { return m_selfInstallWindow.get(); }
    // In normal mode, made when it is first asked for; null in the other modes.
    [[nodiscard]] SettingsDialog* Form3();
    [[nodiscard]] MessageDialog* Form4() const { return m_messageDialog.get(); }
    // Whether the mode's main window has closed: the program ends.
    [[nodiscard]] bool Ended() const { return m_ended; }

private:
    void StartRefused();
    void StartNormal();
    void StartInstall();
    void CreateMainWindow();
    void CreateSelfInstallWindow();
    void CreateSettingsDialog();
    void FocusExitButton();
    void End();
    // Errors that escape a handler go to the main window's AppException.
    void AppException(const std::exception& error);

    Platform& m_platform;
    ProgramCatalogue m_catalogue;
    std::string m_startDirectory;
    StartMode m_mode = StartMode::Refused;
    bool m_ended = false;
    std::unique_ptr<MessageDialog> m_messageDialog;
    std::unique_ptr<SelfInstallWindow> m_selfInstallWindow;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<SettingsDialog> m_settingsDialog;
};

} // namespace zel
