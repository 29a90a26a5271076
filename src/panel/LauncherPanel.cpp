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
                             std::string startDirectory, MainView& view, MessageView& messages)
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
    config.installSourcePath = m_view.InstallPath();
    config.windowsPrintMode = m_view.WindowsPrintMode();
    config.printingEnabled = m_view.PrintingEnabled();
    return config;
}

void LauncherPanel::ApplyConfig(const LauncherConfig& config) {
    m_view.SetInstallPath(config.installSourcePath);
    m_view.SetWindowsPrintMode(config.windowsPrintMode);
    m_view.SetPrintingEnabled(config.printingEnabled);
}

void LauncherPanel::ApplyRowStates(const RowStates& states) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const RowState& state = states[static_cast<std::size_t>(slot - 1)];
        if (state.entries.empty()) {
            continue;
        }
        m_view.FillDriveBox(slot, state.entries, state.preselected);
        m_view.SetRowState(slot, state.rowEnabled, state.rowEnabled && state.comboEnabled);
    }
    m_view.Repaint();
}

void LauncherPanel::A96Click(int slot) {
    Guard([&] {
        const std::string printer =
            m_printPage != nullptr ? m_printPage->CharacterPrinter() : std::string{};
        (void)LaunchProgram(m_platform, m_catalogue, slot, m_view.WindowsPrintMode(),
                            m_spoolDirectory, printer, m_toMainWindow);
    });
}

void LauncherPanel::A96PATHChange() {
    Guard([&] {
        std::array<std::string, kSlotCount> texts;
        std::array<DriveBoxState, kSlotCount> boxes;
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            const auto index = static_cast<std::size_t>(slot - 1);
            texts[index] = m_view.DriveBoxText(slot);
            boxes[index] = {static_cast<int>(m_view.DriveBoxEntries(slot).size()), texts[index]};
        }
        TakeDriveChoices(m_catalogue, boxes);
    });
}

void LauncherPanel::sa96Click(int slot) {
    Guard([&] {
        if (m_settings) {
            m_settings().Open(slot, m_view.DriveBoxEntries(slot));
        }
    });
}

void LauncherPanel::INSTALLClick() {
    Guard([&] {
        const InstallerStartResult result =
            StartInstaller(m_platform, m_toMainWindow,
                           {m_view.FloppyChosen(), m_view.InstallPath()}, m_startDirectory);
        if (result.pathText) {
            m_view.SetInstallPath(*result.pathText);
        }
    });
}

void LauncherPanel::NDISKCClick() {
    m_view.SetOtherPathEnabled(m_view.OtherPathChosen());
}

void LauncherPanel::PATHEnter() {
    m_view.ChooseOtherPath();
    NDISKCClick();
}

void LauncherPanel::NBROWSEPICClick() {
    Guard([&] {
        const BrowseStart start = SplitBrowsePath(m_view.InstallPath());
        const std::string chosen =
            m_view.BrowseForInstaller(m_platform.ToNativePath(start.initialDirectory),
                                      start.fileName, InstallerFileFilter().description);
        if (chosen.empty()) {
            return;
        }
        if (const auto dosPath = m_platform.FromNativePath(chosen)) {
            m_view.SetInstallPath(*dosPath);
        }
    });
}

void LauncherPanel::Timer1Timer() {
    Guard([&] {
        if (m_printPage == nullptr) {
            return;
        }
        const SpoolTickResult result = m_printPage->Tick(m_view.PrintingEnabled());
        if (result.stuckList) {
            const MessageLines stuck = StuckListMessage(*result.stuckList);
            m_toMainWindow.ShowMessage(stuck.text, MessageKind::Warning, stuck.detail);
        }
        if (!result.printingStopped) {
            return;
        }
        // The job went back to the queue; it prints once the user mends the printer and
        // enables printing again.
        m_view.SetPrintingEnabled(false);
        m_toMainWindow.ShowMessage(result.error, MessageKind::Error, PrintingStoppedWarning());
    });
}

void LauncherPanel::Button2Click() {
    Guard([&] {
        if (m_printPage != nullptr) {
            m_printPage->SetupPrinter();
        }
    });
}

void LauncherPanel::BENDClick() {
    m_view.CloseWindow();
}

void LauncherPanel::ParametersStored(int slot) {
    const std::string parameters =
        LaunchParameters(m_catalogue, slot, m_platform.Version().ntFamily,
                         m_view.WindowsPrintMode(), m_spoolDirectory);
    if (parameters.size() >= kPifParameters.size) {
        m_toMainWindow.ShowMessage(ParametersTooLongText(), MessageKind::Warning,
                                   ParametersTooLongAdvice());
    }
}

bool LauncherPanel::FormKeyDown(KeySender sender, Key key) {
    if (key == Key::Escape) {
        m_view.CloseWindow();
        return true;
    }
    if (key == Key::Enter &&
        (sender == KeySender::FloppyChoice || sender == KeySender::OtherPathChoice ||
         sender == KeySender::PathField)) {
        INSTALLClick();
        return true;
    }
    return false;
}

void LauncherPanel::FormClose() {
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
