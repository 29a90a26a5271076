#include "winui/Launcher.h"

#include "platform/Platform.h"
#include "winui/MainWindow.h"
#include "winui/MessageDialog.h"
#include "winui/ProgressWindow.h"
#include "winui/SelfInstallWindow.h"
#include "winui/SettingsDialog.h"

namespace zel {

Launcher::Launcher(Platform& platform) : m_platform(platform), m_startUp(platform, *this) {}

// Windows go before the objects they point at are gone; the dialog last, as every other
// window may still show a message while it closes.
Launcher::~Launcher() {
    m_progress.reset();
    m_settingsDialog.reset();
    m_mainWindow.reset();
    m_selfInstallWindow.reset();
    m_messageDialog.reset();
}

StartMode Launcher::Start() {
    m_messageDialog = std::make_unique<MessageDialog>();
    return m_startUp.Start();
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
    m_startUp.AppException(error);
}

SettingsDialog* Launcher::Form3() {
    m_startUp.NeedSettingsDialog();
    return m_settingsDialog.get();
}

MessageQueue& Launcher::Messages() {
    return m_messageDialog->Queue();
}

void Launcher::CreateMainWindow() {
    m_mainWindow = std::make_unique<MainWindow>(m_platform, m_catalogue, StartDirectory(),
                                                m_messageDialog->Queue(),
                                                [this] { m_startUp.MainWindowClosed(); });
    m_messageDialog->SetWindows(m_mainWindow->Handle(),
                                m_selfInstallWindow ? m_selfInstallWindow->Handle() : nullptr);
}

void Launcher::CreateSelfInstallWindow() {
    m_selfInstallWindow = std::make_unique<SelfInstallWindow>(
        m_platform, m_messageDialog->Queue(),
        [this](const std::exception& error) { AppException(error); },
        [this] { m_startUp.SelfInstallWindowClosed(); });
    m_messageDialog->SetWindows(m_mainWindow ? m_mainWindow->Handle() : nullptr,
                                m_selfInstallWindow->Handle());
}

void Launcher::CreateSettingsDialog() {
    m_settingsDialog = std::make_unique<SettingsDialog>(
        m_catalogue, m_mainWindow->Handle(),
        [this](const std::exception& error) { AppException(error); },
        [this](int slot) { m_mainWindow->Panel().ParametersStored(slot); });
}

LauncherPanel& Launcher::MainPanel() {
    return m_mainWindow->Panel();
}

SettingsPanel& Launcher::SettingsDialogPanel() {
    return m_settingsDialog->Panel();
}

ProgressView& Launcher::OpenProgressWindow() {
    m_progress = std::make_unique<ProgressWindow>(m_mainWindow->Handle());
    return *m_progress;
}

void Launcher::CloseProgressWindow() {
    if (m_progress) {
        m_progress->Close();
        m_progress.reset();
    }
}

void Launcher::ShowMainWindow() {
    m_mainWindow->Show();
    const HWND exit = m_mainWindow->Button5();
    if (!IsWindowEnabled(exit) || !IsWindowVisible(exit)) {
        return;
    }
    // With the start-up's warning up, the focus it gives back when closed is the button's.
    m_mainWindow->FocusControl(exit);
}

void Launcher::ShowSelfInstallWindow() {
    m_selfInstallWindow->Show();
}

} // namespace zel
