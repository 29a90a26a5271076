#pragma once
// The launcher panel's behaviour (TForm1), written once for every face: its creation, the
// rows, the install box, the print page, the keys, the closing and the application-wide
// error handler. A face forwards its controls' events here and applies what the panel sets
// through MainView; every handler runs under AppException, so no error unwinds through a
// toolkit's event delivery.

#include "catalogue/ProgramCatalogue.h"
#include "config/ConfigChanges.h"
#include "config/DriveTable.h"
#include "config/LauncherConfig.h"
#include "config/ProgressView.h"
#include "config/StartupControls.h"
#include "panel/MainView.h"
#include "panel/MessageView.h"
#include "panel/PanelKeys.h"
#include "panel/PanelMessages.h"
#include "panel/PrintPage.h"
#include "platform/Platform.h"
#include "text/DosPath.h"

#include <exception>
#include <functional>
#include <optional>
#include <string>

namespace zel {

class SettingsPanel;

class LauncherPanel final : public StartupControls {
public:
    static constexpr int kOuterWidth = 600;
    static constexpr int kOuterHeight = 512;

    LauncherPanel(Platform& platform, ProgramCatalogue& catalogue, std::string startDirectory,
                  MainView& view, MessageView& messages);

    // The windows made after this one.
    void SetPrintPage(PrintPage* page) { m_printPage = page; }
    // The settings dialog's panel, which the face makes when it is first asked for.
    void SetSettingsPanel(std::function<SettingsPanel&()> settings) {
        m_settings = std::move(settings);
    }

    // Prepares what the program shares: the spool directory and, when ZELPULT.INI is in the
    // start directory, the normal mode with its catalogue.
    void FormCreate();
    // The start-up scan, with the progress window; a read error of the configuration file
    // ends it there, and the file is then kept as it is at close.
    void RunStartupScan(ProgressView& progress);

    [[nodiscard]] bool NormalMode() const { return m_normalMode; }
    [[nodiscard]] const DosPath& SpoolDirectory() const { return m_spoolDirectory; }
    [[nodiscard]] const std::string& StartDirectory() const { return m_startDirectory; }
    [[nodiscard]] LauncherConfig& Config() { return m_config; }
    [[nodiscard]] DriveTable& Drives() { return m_driveTable; }
    // The configuration as the controls hold it now.
    [[nodiscard]] LauncherConfig CurrentConfig();

    // StartupControls.
    void ApplyConfig(const LauncherConfig& config) override;
    void ApplyRowStates(const RowStates& states) override;

    // Handlers; slot is the row whose control sent the event.
    void A96Click(int slot);
    void A96PATHChange();
    void sa96Click(int slot);
    void INSTALLClick();
    void NDISKCClick();
    void PATHEnter();
    void NBROWSEPICClick();
    void Timer1Timer();
    void Button2Click();
    void BENDClick();
    // True when the key was the panel's: Escape closes the window, Enter in the install
    // choice or the path field installs as Button4 would.
    bool FormKeyDown(KeySender sender, Key key);
    // The settings dialog stored slot's parameters: where they no longer fit the program
    // information file with what a launch adds, the user is told; a start that runs the
    // file would lose their end.
    void ParametersStored(int slot);
    // The window is closing: the configuration file is written, then the program ends.
    void FormClose();

    void AppException(const std::exception& error);
    [[nodiscard]] ErrorHandler Errors();

private:
    void Guard(const std::function<void()>& handler);

    Platform& m_platform;
    ProgramCatalogue& m_catalogue;
    std::string m_startDirectory;
    MainView& m_view;
    MessageView& m_messages;
    PrintPage* m_printPage = nullptr;
    std::function<SettingsPanel&()> m_settings;
    DosPath m_spoolDirectory;
    bool m_normalMode = false;
    bool m_keepConfigFile = false;
    LauncherConfig m_config;
    // What the start-up read, so that the close writes only what this run changed.
    std::optional<ConfigSettings> m_configAsRead;
    DriveTable m_driveTable;
    // The core's messages on behalf of the main window; it lives as long as the panel, so
    // what follows a message may show the next one.
    PanelMessages m_toMainWindow;
};

} // namespace zel
