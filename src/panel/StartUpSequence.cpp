#include "panel/StartUpSequence.h"

#include "panel/LauncherPanel.h"
#include "panel/MessageQueue.h"
#include "panel/SettingsPanel.h"

namespace zel {

StartMode StartUpSequence::Start() {
    m_startDirectory = m_platform.CurrentDirectory();
    m_mode = ChooseStartMode(m_platform, m_startDirectory);
    switch (m_mode) {
    case StartMode::Refused:
        m_windows.Messages().ShowMessageDialog(MessageOwner::None, RefusedVersionText(),
                                               MessageKind::Error, {}, [this] { m_windows.End(); });
        break;
    case StartMode::Normal:
        StartNormal();
        break;
    case StartMode::Install:
        StartInstall();
        break;
    }
    return m_mode;
}

void StartUpSequence::StartNormal() {
    m_windows.NameApplication();
    m_windows.CreateMainWindow();
    m_mainWindowMade = true;
    m_windows.MainPanel().RunStartupScan(m_windows.OpenProgressWindow());
    m_windows.CreateSelfInstallWindow();
    m_windows.MainPanel().SetSettingsPanel([this]() -> SettingsPanel& {
        NeedSettingsDialog();
        return m_windows.SettingsDialogPanel();
    });
    m_windows.CloseProgressWindow();
    m_windows.ShowMainWindow();
}

void StartUpSequence::StartInstall() {
    m_windows.CreateSelfInstallWindow();
    // Hidden; the self-installation's errors go to its panel's handler as in normal mode.
    m_windows.CreateMainWindow();
    m_mainWindowMade = true;
    m_windows.ShowSelfInstallWindow();
}

bool StartUpSequence::NeedSettingsDialog() {
    if (!m_settingsDialogMade && m_mode == StartMode::Normal && m_mainWindowMade) {
        m_windows.CreateSettingsDialog();
        m_settingsDialogMade = true;
    }
    return m_settingsDialogMade;
}

void StartUpSequence::AppException(const std::exception& error) {
    if (m_mainWindowMade) {
        m_windows.MainPanel().AppException(error);
    } else {
        m_windows.Messages().ShowStandardError(error.what());
    }
}

void StartUpSequence::MainWindowClosed() {
    if (m_mode == StartMode::Normal) {
        m_windows.End();
    }
}

void StartUpSequence::SelfInstallWindowClosed() {
    if (m_mode == StartMode::Install) {
        m_windows.End();
    }
}

} // namespace zel
