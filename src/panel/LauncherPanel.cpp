#include "panel/LauncherPanel.h"

#include "catalogue/LauncherFiles.h"
#include "config/ConfigFile.h"
#include "config/StartupScan.h"
#include "install/InstallerBrowse.h"
#include "install/InstallerStart.h"
#include "launch/DriveChoice.h"
#include "launch/LaunchProcedure.h"
#include "launch/ProgramInformationLayout.h"
#include "panel/ErrorResponse.h"
#include "panel/LauncherMessages.h"
#include "panel/RowPages.h"
#include "panel/SettingsPanel.h"
#include "panel/WindowPlacement.h"
#include "platform/IoError.h"
#include "text/CodePage1250.h"

#include <algorithm>
#include <array>

namespace zel {
namespace {

// X:\ZELKOR\ZELPULT.EXE gives X:\ZELKOR\Printing. An executable outside every drive has no
// DOS path, and one in a folder the user cannot write (a system folder) no room for the
// programs' lists: the spool then lies in the start directory, where they can reach it.
DosPath SpoolDirectoryOf(Platform& platform, const std::string& startDirectory) {
    const std::string executable = platform.ExecutablePath();
    if (!executable.empty()) {
        const DosPath folder = DosPath(executable).Parent();
        if (platform.FolderWritable(folder.Text())) {
            return folder / kSpoolFolderName;
        }
    }
    return DosPath(startDirectory) / kSpoolFolderName;
}

} // namespace

LauncherPanel::LauncherPanel(Platform& platform, ProgramCatalogue& catalogue,
                             std::string startDirectory, MainView& view, MessageQueue& messages)
    : m_platform(platform), m_catalogue(catalogue), m_startDirectory(std::move(startDirectory)),
      m_view(view), m_messages(messages),
      m_toMainWindow(messages, MessageOwner::MainWindow,
                     [this](const std::exception& error) { AppException(error); }) {}

ErrorHandler LauncherPanel::Errors() {
    return [this](const std::exception& error) { AppException(error); };
}

void LauncherPanel::Guard(const std::function<void()>& handler) {
    RunGuarded(Errors(), handler);
}

void LauncherPanel::FormCreate() {
    m_spoolDirectory = SpoolDirectoryOf(m_platform, m_startDirectory);
    if (!m_platform.FileExists(ConfigFilePath(m_startDirectory))) {
        return;
    }
    m_normalMode = true;
    // There already on every start but the first.
    (void)m_platform.CreateDirectory(DosPath(m_startDirectory) / kSpoolFolderName);
    const auto [left, top] = CentredOnScreen(kOuterWidth, kOuterHeight, m_view.Screen());
    m_view.MoveWindow(left, top);
    const bool known = m_startDirectory.size() >= 2 && m_startDirectory[1] == ':' &&
                       m_platform.GetDriveType(m_startDirectory[0]) != DriveType::Unknown;
    if (!known) {
        m_view.SetFloppyEnabled(false);
    }
    m_catalogue.Fill();
}

void LauncherPanel::RunStartupScan(ProgressView& progress) {
    try {
        zel::RunStartupScan(m_platform, ConfigFilePath(m_startDirectory),
                            {m_catalogue, m_config, m_driveTable}, progress, *this, m_toMainWindow);
        m_configAsRead = SettingsAsRead(m_catalogue, m_config);
    } catch (const std::exception& error) {
        // The little that was read must not be written over the file at close.
        m_keepConfigFile = true;
        AppException(error);
    }
}

LauncherConfig LauncherPanel::CurrentConfig() {
    LauncherConfig config = m_config;
    config.installSourcePath = m_installPath;
    config.windowsPrintMode = m_windowsPrintMode;
    config.printingEnabled = m_printingEnabled;
    return config;
}

void LauncherPanel::ApplyConfig(const LauncherConfig& config) {
    ShowInstallPath(config.installSourcePath);
    ChoosePrintMode(config.windowsPrintMode);
    SwitchPrinting(config.printingEnabled);
}

void LauncherPanel::ApplyRowStates(const RowStates& states) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const RowState& state = states[static_cast<std::size_t>(slot - 1)];
        if (state.entries.empty()) {
            continue;
        }
        RowModel& row = m_rows[static_cast<std::size_t>(slot - 1)];
        row.state = state;
        row.state.comboEnabled = state.rowEnabled && state.comboEnabled;
        row.text = state.ComboText();
        ShowRow(slot);
    }
    m_view.Repaint();
}

void LauncherPanel::RowPageMade(std::size_t page) {
    if (page >= m_pagesMade.size()) {
        return;
    }
    m_pagesMade[page] = true;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (RowPageOf(slot) == page) {
            ShowRow(slot);
        }
    }
}

void LauncherPanel::ShowRow(int slot) {
    const std::size_t page = RowPageOf(slot);
    if (page >= m_pagesMade.size() || !m_pagesMade[page]) {
        return;
    }
    const RowModel& row = m_rows[static_cast<std::size_t>(slot - 1)];
    if (!row.state.entries.empty()) {
        m_view.FillDriveBox(slot, row.state.entries, row.state.preselected);
    }
    m_view.SetRowState(slot, row.state.rowEnabled, row.state.comboEnabled);
}

void LauncherPanel::StartProgram(int slot) {
    Guard([&] {
        // The launch has told the user of every outcome but a start.
        (void)LaunchProgram(m_platform, m_catalogue, slot, m_windowsPrintMode, m_spoolDirectory,
                            m_characterPrinter, m_toMainWindow);
    });
}

void LauncherPanel::ChooseDrive(int slot, std::string_view text) {
    Guard([&] {
        if (slot < 1 || slot > kSlotCount) {
            return;
        }
        m_rows[static_cast<std::size_t>(slot - 1)].text = text;
        std::array<DriveBoxState, kSlotCount> boxes;
        for (std::size_t index = 0; index < boxes.size(); ++index) {
            boxes[index] = {static_cast<int>(m_rows[index].state.entries.size()),
                            m_rows[index].text};
        }
        TakeDriveChoices(m_catalogue, boxes);
    });
}

void LauncherPanel::OpenSettings(int slot) {
    Guard([&] {
        if (m_settings && slot >= 1 && slot <= kSlotCount) {
            m_settings().Open(slot, m_rows[static_cast<std::size_t>(slot - 1)].state.entries);
        }
    });
}

void LauncherPanel::Install() {
    Guard([&] {
        const InstallerStartResult result = StartInstaller(
            m_platform, m_toMainWindow, {m_installFromFloppy, m_installPath}, m_startDirectory);
        if (result.pathText) {
            ShowInstallPath(*result.pathText);
        }
    });
}

void LauncherPanel::ChooseInstallSource(bool floppy) {
    m_installFromFloppy = floppy;
    m_view.SetOtherPathEnabled(!floppy);
}

void LauncherPanel::EnterInstallPath() {
    m_view.SetInstallSource(false);
    ChooseInstallSource(false);
}

void LauncherPanel::EditInstallPath(std::string_view path) {
    m_installPath = path;
}

void LauncherPanel::ShowInstallPath(std::string_view path) {
    m_installPath = path;
    m_view.SetInstallPath(path);
}

void LauncherPanel::BrowseForInstaller() {
    Guard([&] {
        const BrowseStart start = SplitBrowsePath(m_installPath);
        const std::string chosen =
            m_view.BrowseForInstaller(m_platform.ToNativePath(start.initialDirectory),
                                      start.fileName, InstallerFileFilter().description);
        if (chosen.empty()) {
            return;
        }
        if (const auto dosPath = m_platform.FromNativePath(chosen)) {
            ShowInstallPath(*dosPath);
        }
    });
}

void LauncherPanel::SpoolTick() {
    Guard([&] {
        if (m_printPage == nullptr) {
            return;
        }
        const SpoolTickResult result = m_printPage->Tick(m_printingEnabled);
        if (result.stuckList) {
            const MessageLines stuck = StuckListMessage(*result.stuckList);
            m_toMainWindow.ShowMessage(stuck.text, MessageKind::Warning, stuck.detail);
        }
        if (!result.printingStopped) {
            return;
        }
        // The job went back to the queue; it prints once the user mends the printer and
        // enables printing again.
        SwitchPrinting(false);
        const MessageLines stopped = PrintingStoppedMessage(result.error);
        m_toMainWindow.ShowMessage(stopped.text, MessageKind::Error, stopped.detail);
    });
}

void LauncherPanel::PrinterSetup() {
    Guard([&] {
        if (m_printPage != nullptr) {
            m_characterPrinter = m_printPage->SetupPrinter();
        }
    });
}

void LauncherPanel::ChoosePrintMode(bool windows) {
    m_windowsPrintMode = windows;
    m_view.SetWindowsPrintMode(windows);
}

void LauncherPanel::SwitchPrinting(bool enabled) {
    m_printingEnabled = enabled;
    m_view.SetPrintingEnabled(enabled);
}

void LauncherPanel::Quit() {
    m_view.CloseWindow();
}

void LauncherPanel::ParametersStored(int slot) {
    const std::string parameters = LaunchParameters(
        m_catalogue, slot, m_platform.Version().ntFamily, m_windowsPrintMode, m_spoolDirectory);
    if (parameters.size() >= kPifParameters.size) {
        m_toMainWindow.ShowMessage(ParametersTooLongText(), MessageKind::Warning,
                                   ParametersTooLongAdvice());
    }
}

bool LauncherPanel::KeyDown(KeySender sender, Key key) {
    if (key == Key::Escape) {
        m_view.CloseWindow();
        return true;
    }
    if (key == Key::Enter &&
        (sender == KeySender::FloppyChoice || sender == KeySender::OtherPathChoice ||
         sender == KeySender::PathField)) {
        Install();
        return true;
    }
    return false;
}

void LauncherPanel::Closed() {
    ConfigWriteResult written;
    RunGuarded(Errors(), [&] {
        if (m_normalMode && !m_keepConfigFile) {
            written = WriteConfigFile(m_platform, ConfigFilePath(m_startDirectory), m_catalogue,
                                      CurrentConfig(), m_configAsRead ? &*m_configAsRead : nullptr);
        }
    });
    if (written.outcome != ConfigWriteResult::Outcome::Failed) {
        m_view.EndProgram();
        return;
    }
    // The old file is whole, but this session's settings are not in it: say so before the
    // program ends.
    m_messages.ShowMessageDialog(MessageOwner::None, SettingsNotSavedText(), MessageKind::Error,
                                 IoErrorText(written.error), [this] { m_view.EndProgram(); });
}

void LauncherPanel::AppException(const std::exception& error) {
    switch (ClassifyError(error)) {
    case ErrorResponse::Ignore:
        return;
    case ErrorResponse::WriteProtected:
        m_messages.ShowMessageDialog(MessageOwner::SelfInstallWindow,
                                     Utf8ToCp1250("Ez a meghajtó írásvédett!"), MessageKind::Error,
                                     {}, {});
        return;
    case ErrorResponse::StandardDisplay:
        m_messages.ShowStandardError(error.what());
        return;
    }
}

} // namespace zel
