#include "winui/Launcher.h"

#include "platform/Platform.h"
#include "winui/MainWindow.h"
#include "winui/MessageDialog.h"
#include "winui/ProgressWindow.h"
#include "winui/SelfInstallWindow.h"
#include "winui/SettingsDialog.h"

namespace zel {

Launcher::Launcher(Platform& platform) : m_platform(platform) {}

// Windows go before the objects they point at are gone; the dialog last, as every other
// window may still show a message while it closes.
Launcher::~Launcher() {
    m_settingsDialog.reset();
    m_mainWindow.reset();
    m_selfInstallWindow.reset();
    m_messageDialog.reset();
}

StartMode Launcher::Start() {
    // A directory outside every drive gives an empty start directory: no configuration
    // file is found there, and the launcher offers to install itself.
    m_startDirectory = m_platform.CurrentDirectory();
    m_messageDialog = std::make_unique<MessageDialog>();
    m_mode = ChooseStartMode(m_platform, m_startDirectory);
    switch (m_mode) {
    case StartMode::Refused:
        StartRefused();
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

int Launcher::Run() {
    Start();
    if (!m_ended) {
        RunMessageLoop();
    }
    return 0;
}

void Launcher::End() {
    m_ended = true;
    PostQuitMessage(0);
}

void Launcher::AppException(const std::exception& error) {
    if (m_mainWindow) {
        m_mainWindow->Panel().AppException(error);
    } else {
        m_messageDialog->ShowStandardError(error.what());
    }
}

void Launcher::StartRefused() {
    m_messageDialog->ShowMessageDialog(MessageOwner::None, RefusedVersionText(), MessageKind::Error,
                                       {}, [this] { End(); });
}

void Launcher::StartNormal() {
    CreateMainWindow();
    ProgressWindow progress(m_mainWindow->Handle());
    m_mainWindow->Panel().RunStartupScan(progress);
    CreateSelfInstallWindow();
    // The settings dialog is made when a row's settings are first asked for.
    m_mainWindow->Panel().SetSettingsPanel([this]() -> SettingsPanel& { return Form3()->Panel(); });
    progress.Close();
    m_mainWindow->Show();
    FocusExitButton();
}

void Launcher::StartInstall() {
    CreateSelfInstallWindow();
    CreateMainWindow();
    m_selfInstallWindow->Show();
}

SettingsDialog* Launcher::Form3() {
    if (!m_settingsDialog && m_mode == StartMode::Normal && m_mainWindow) {
        CreateSettingsDialog();
    }
    return m_settingsDialog.get();
}

void Launcher::CreateSettingsDialog() {
    m_settingsDialog = std::make_unique<SettingsDialog>(
        m_catalogue, m_mainWindow->Handle(),
        [this](const std::exception& error) { AppException(error); },
        [this](int slot) { m_mainWindow->Panel().ParametersStored(slot); });
}

void Launcher::CreateMainWindow() {
    // In install mode the main window stays hidden and its closing ends nothing.
    m_mainWindow = std::make_unique<MainWindow>(m_platform, m_catalogue, m_startDirectory,
                                                *m_messageDialog, [this] {
                                                    if (m_mode == StartMode::Normal) {
                                                        End();
                                                    }
                                                });
    m_messageDialog->SetWindows(m_mainWindow->Handle(),
                                m_selfInstallWindow ? m_selfInstallWindow->Handle() : nullptr);
}

void Launcher::CreateSelfInstallWindow() {
    m_selfInstallWindow = std::make_unique<SelfInstallWindow>(
        m_platform, *m_messageDialog, [this](const std::exception& error) { AppException(error); },
        [this] {
            if (m_mode == StartMode::Install) {
                End();
            }
        });
    m_messageDialog->SetWindows(m_mainWindow ? m_mainWindow->Handle() : nullptr,
                                m_selfInstallWindow->Handle());
}

void Launcher::FocusExitButton() {
    const HWND exit = m_mainWindow->Button5();
    if (!IsWindowEnabled(exit) || !IsWindowVisible(exit)) {
        return;
    }
    // With the start-up's warning up, the focus it gives back when closed is the button's.
    m_mainWindow->FocusControl(exit);
}

} // namespace zel
