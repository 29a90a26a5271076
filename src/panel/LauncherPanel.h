#pragma once
// The launcher panel's behaviour (TForm1), written once for every face: its creation, the
// rows, the install box, the print page, the keys, the closing and the application-wide
// error handler. The panel holds the rows' drives, the print mode, the printing switch and
// the chosen printer, and pushes them through MainView; a face forwards its controls'
// events here by the control's name (Clicked, Changed, Entered: MainWindowEvents.cpp holds
// what each name means). Every handler runs under AppException, so no error unwinds through
// a toolkit's event delivery.
//
// The form's events and what they call:
//   A96Click               StartProgram(slot)
//   A96PATHChange          ChooseDrive(slot, text)
//   sa96Click              OpenSettings(slot)
//   INSTALLClick (Button4) Install()
//   NDISKA/NDISKCClick     ChooseInstallSource(floppy)
//   PATHEnter, NPATHChange EnterInstallPath(), EditInstallPath(text)
//   NBROWSEPICClick        BrowseForInstaller()
//   edNyomDos/WindowsClick ChoosePrintMode(windows)
//   Button2Click           PrinterSetup()
//   btNyomtat/btMegszakit  SwitchPrinting(enabled)
//   Timer1Timer            SpoolTick()
//   BENDClick (Button5)    Quit()
//   FormKeyDown, FormClose KeyDown(sender, key), Closed()

#include "catalogue/ProgramCatalogue.h"
#include "config/ConfigChanges.h"
#include "config/DriveTable.h"
#include "config/LauncherConfig.h"
#include "config/ProgressView.h"
#include "config/RowState.h"
#include "config/StartupControls.h"
#include "panel/ControlEvents.h"
#include "panel/MainView.h"
#include "panel/MessageQueue.h"
#include "panel/PanelKeys.h"
#include "panel/PanelMessages.h"
#include "panel/PrintPage.h"
#include "panel/RowPages.h"
#include "platform/Platform.h"
#include "text/DosPath.h"

#include <array>
#include <exception>
#include <functional>
#include <optional>
#include <string>

namespace zel {

class SettingsPanel;

class LauncherPanel final : public StartupControls, public ControlEvents {
public:
    static constexpr int kOuterWidth = 600;
    static constexpr int kOuterHeight = 512;

    LauncherPanel(Platform& platform, ProgramCatalogue& catalogue, std::string startDirectory,
                  MainView& view, MessageQueue& messages);

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
    // The configuration as the panel holds it now.
    [[nodiscard]] LauncherConfig CurrentConfig();
    [[nodiscard]] const std::string& CharacterPrinter() const { return m_characterPrinter; }

    // StartupControls.
    void ApplyConfig(const LauncherConfig& config) override;
    void ApplyRowStates(const RowStates& states) override;

    // A row page of the face has been made: the panel shows its rows' state on it.
    void RowPageMade(std::size_t page);

    // The main window's controls, by their form names.
    void Clicked(std::string_view control) override;
    void Changed(std::string_view control, std::string_view text) override;
    void Entered(std::string_view control) override;

    // What the events mean; slot is the row whose control sent it.
    void StartProgram(int slot);
    // The text of slot's drive box has changed.
    void ChooseDrive(int slot, std::string_view text);
    void OpenSettings(int slot);
    void Install();
    void ChooseInstallSource(bool floppy);
    void EnterInstallPath();
    void EditInstallPath(std::string_view path);
    void BrowseForInstaller();
    void SpoolTick();
    void PrinterSetup();
    void ChoosePrintMode(bool windows);
    void SwitchPrinting(bool enabled);
    void Quit();
    // True when the key was the panel's: Escape closes the window, Enter in the install
    // choice or the path field installs as Button4 would.
    bool KeyDown(KeySender sender, Key key);
    // The settings dialog stored slot's parameters: where they no longer fit the program
    // information file with what a launch adds, the user is told; a start that runs the
    // file would lose their end.
    void ParametersStored(int slot);
    // The window is closing: the configuration file is written, then the program ends.
    void Closed();

    void AppException(const std::exception& error);
    [[nodiscard]] ErrorHandler Errors();

private:
    void Guard(const std::function<void()>& handler);
    void ShowRow(int slot);
    void ShowInstallPath(std::string_view path);

    Platform& m_platform;
    ProgramCatalogue& m_catalogue;
    std::string m_startDirectory;
    MainView& m_view;
    MessageQueue& m_messages;
    PrintPage* m_printPage = nullptr;
    std::function<SettingsPanel&()> m_settings;
    DosPath m_spoolDirectory;
    bool m_normalMode = false;
    bool m_keepConfigFile = false;
    LauncherConfig m_config;
    // What the start-up read, so that the close writes only what this run changed.
    std::optional<ConfigSettings> m_configAsRead;
    DriveTable m_driveTable;
    // Each row as its drive box shows it, whether or not its page is made yet.
    struct RowModel {
        RowState state;
        std::string text;
    };
    std::array<RowModel, kSlotCount> m_rows{};
    std::array<bool, kRowPageYears.size()> m_pagesMade{};
    bool m_installFromFloppy = false;
    std::string m_installPath;
    bool m_windowsPrintMode = false;
    bool m_printingEnabled = true;
    std::string m_characterPrinter;
    // The core's messages on behalf of the main window; it lives as long as the panel, so
    // what follows a message may show the next one.
    PanelMessages m_toMainWindow;
};

} // namespace zel
