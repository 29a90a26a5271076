#include "panel/SelfInstallPanel.h"

#include "config/CountingPause.h"
#include "config/DriveList.h"
#include "install/SelfInstall.h"
#include "panel/LauncherMessages.h"
#include "panel/WindowDescriptions.h"
#include "text/AsciiUpper.h"

#include <algorithm>
#include <string_view>

namespace zel {
namespace {

bool TickedInDescription(std::string_view name) {
    return DescribedControl(SelfInstallWindowDescription().controls, name).checked;
}

char LetterOf(const std::string& entry) {
    const char letter = entry.empty() ? '\0' : AsciiUpper(entry.front());
    return letter >= 'A' && letter <= 'Z' ? letter : '\0';
}

} // namespace

SelfInstallPanel::SelfInstallPanel(Platform& platform, SelfInstallView& view,
                                   MessageQueue& messages, ErrorHandler onError)
    : m_platform(platform), m_view(view), m_messages(messages), m_onError(std::move(onError)),
      m_programGroup(TickedInDescription("CheckBox1")),
      m_desktopShortcut(TickedInDescription("CheckBox2")) {}

// The current drive is offered first; where it is not listed, the first drive is.
void SelfInstallPanel::ListDrives() {
    if (m_listed) {
        return;
    }
    m_listed = true;
    m_drives = ReadDriveList(m_platform);
    const std::string current = m_platform.CurrentDirectory();
    const char currentDrive = current.empty() ? '\0' : AsciiUpper(current.front());
    const auto found = std::find_if(m_drives.begin(), m_drives.end(), [&](const auto& entry) {
        return currentDrive != '\0' && LetterOf(entry) == currentDrive;
    });
    const std::size_t chosen =
        found == m_drives.end() ? 0 : static_cast<std::size_t>(found - m_drives.begin());
    m_view.ShowDrives(m_drives, chosen);
    m_chosen = chosen;
}

void SelfInstallPanel::Clicked(std::string_view control) {
    if (control == "Button1") {
        Install();
    }
}

void SelfInstallPanel::Checked(std::string_view control, bool checked) {
    if (control == "CheckBox1") {
        ChooseProgramGroup(checked);
    } else if (control == "CheckBox2") {
        ChooseDesktopShortcut(checked);
    }
}

void SelfInstallPanel::Chosen(std::string_view control, std::size_t index) {
    if (control == "DriveComboBox1") {
        ChooseDrive(index);
    }
}

void SelfInstallPanel::ChooseDrive(std::size_t index) {
    if (index < m_drives.size()) {
        m_chosen = index;
    }
}

void SelfInstallPanel::Install() {
    RunGuarded(m_onError, [&] {
        ListDrives();
        const char drive = m_chosen < m_drives.size() ? LetterOf(m_drives[m_chosen]) : '\0';
        PanelMessages messages(m_messages, MessageOwner::SelfInstallWindow, m_onError);
        if (drive == '\0') {
            messages.ShowMessage(NoTargetDriveText(), MessageKind::Error, {});
            return;
        }
        const CopyFeedback feedback{[this](int progress) { m_view.SetGauge(progress); },
                                    [] { CountingPause(kFirstPassPause); }};
        InstallLauncher(m_platform, messages, {drive, m_programGroup, m_desktopShortcut}, feedback);
    });
}

} // namespace zel
