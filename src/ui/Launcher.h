#pragma once
// The program's start: it records the start directory, refuses a platform that is too old,
// chooses the mode by the configuration file in the current directory and creates the
// windows in their order. The order carries meaning: creating a window runs its set-up.

#include "catalogue/ProgramCatalogue.h"
#include "platform/DosTypes.h"

#include <QObject>
#include <memory>
#include <string>

namespace zel {

class MainWindow;
class MessageDialog;
class Platform;
class ProgressWindow;
class SelfInstallWindow;
class SettingsDialog;

enum class StartMode {
    Refused,
    Normal,
    Install,
};

// Major version 3 with a minor version of 20 or less.
[[nodiscard]] bool IsRefusedVersion(const PlatformVersion& version);

class Launcher final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Launcher)

public:
    explicit Launcher(Platform& platform);
    ~Launcher() override;

    // Everything before the event loop; the windows of the mode are on screen afterwards.
    StartMode Start();
    // Start, then the event loop until the mode's main window closes. Exit status 0.
    int Run();

    [[nodiscard]] StartMode Mode() const { return m_mode; }
    [[nodiscard]] const std::string& StartDirectory() const { return m_startDirectory; }
    [[nodiscard]] ProgramCatalogue& Catalogue() { return m_catalogue; }
    [[nodiscard]] MainWindow* Form1() const { return m_mainWindow.get(); }
    [[nodiscard]] SelfInstallWindow* Form2() const { return m_selfInstallWindow.get(); }
    [[nodiscard]] SettingsDialog* Form3() const { return m_settingsDialog.get(); }
    [[nodiscard]] MessageDialog* Form4() const { return m_messageDialog.get(); }

signals:
    // The main window of the mode has closed: the program ends.
    void Ended();

private:
    void StartRefused();
    void StartNormal();
    void StartInstall();
    void CreateMainWindow();
    void CreateMessageDialog();
    void CreateSelfInstallWindow();
    void CreateSettingsDialog();
    // The start-up scan inside the progress window: drives, configuration, rows.
    void RunScan(ProgressWindow& progress);
    void FocusExitButton();

    Platform& m_platform;
    ProgramCatalogue m_catalogue;
    std::string m_startDirectory;
    StartMode m_mode = StartMode::Refused;
    std::unique_ptr<MessageDialog> m_messageDialog;
    std::unique_ptr<SelfInstallWindow> m_selfInstallWindow;
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<SettingsDialog> m_settingsDialog;
};

} // namespace zel
