#include "ui/Launcher.h"

#include "panel/WindowTitles.h"
#include "platform/Platform.h"
#include "ui/Application.h"
#include "ui/MainWindow.h"
#include "ui/MessageDialog.h"
#include "ui/ProgressWindow.h"
#include "ui/QtText.h"
#include "ui/SelfInstallWindow.h"
#include "ui/SettingsDialog.h"
#include "ui/WindowGeometry.h"

#include <QApplication>
#include <QPushButton>

namespace zel {

Launcher::Launcher(Platform& platform) : m_platform(platform), m_startUp(platform, *this) {}

// Windows go before the objects they point at are gone; the dialog last, as every other
// window may still show a message while it closes.
Launcher::~Launcher() {
    if (Application* app = Application::Instance()) {
        app->SetErrorHandler({});
    }
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
    QApplication::setQuitOnLastWindowClosed(false);
    connect(this, &Launcher::Ended, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    Start();
    QApplication::exec();
    return 0;
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

void Launcher::NameApplication() {
    QCoreApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
}

void Launcher::CreateMainWindow() {
    m_mainWindow = std::make_unique<MainWindow>(m_platform, m_catalogue, StartDirectory(),
                                                m_messageDialog->Queue());
    connect(m_mainWindow.get(), &MainWindow::Closed, this,
            [this] { m_startUp.MainWindowClosed(); });
    m_messageDialog->SetWindows(m_mainWindow.get(), m_selfInstallWindow.get());
    if (Application* app = Application::Instance()) {
        app->SetErrorHandler([this](const std::exception& error) { AppException(error); });
    }
}

void Launcher::CreateSelfInstallWindow() {
    m_selfInstallWindow = std::make_unique<SelfInstallWindow>(
        m_platform, m_messageDialog->Queue(),
        [this](const std::exception& error) { AppException(error); });
    connect(m_selfInstallWindow.get(), &SelfInstallWindow::Closed, this,
            [this] { m_startUp.SelfInstallWindowClosed(); });
    m_messageDialog->SetWindows(m_mainWindow.get(), m_selfInstallWindow.get());
}

void Launcher::CreateSettingsDialog() {
    m_settingsDialog = std::make_unique<SettingsDialog>(
        m_catalogue, m_mainWindow.get(), ScreenSize(),
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
    m_progress = std::make_unique<ProgressWindow>(*m_mainWindow);
    return *m_progress;
}

void Launcher::CloseProgressWindow() {
    if (m_progress) {
        m_progress->close();
        m_progress.reset();
    }
}

void Launcher::ShowMainWindow() {
    m_mainWindow->show();
    QPushButton* exit = m_mainWindow->Button5();
    if (!exit->isEnabledTo(m_mainWindow.get()) || !exit->isVisibleTo(m_mainWindow.get()) ||
        exit->focusPolicy() == Qt::NoFocus) {
        return;
    }
    // With the start-up's warning up, the focus it gives back when closed is the button's.
    exit->setFocus();
}

void Launcher::ShowSelfInstallWindow() {
    m_selfInstallWindow->show();
}

void Launcher::End() {
    emit Ended();
}

} // namespace zel
