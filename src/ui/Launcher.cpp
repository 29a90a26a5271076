#include "ui/Launcher.h"

#include "config/ConfigFile.h"
#include "config/StartupScan.h"
#include "platform/Platform.h"
#include "ui/DialogMessageSink.h"
#include "ui/MainWindow.h"
#include "ui/MessageDialog.h"
#include "ui/ProgressWindow.h"
#include "ui/QtText.h"
#include "ui/SelfInstallWindow.h"
#include "ui/SettingsDialog.h"
#include "ui/WindowGeometry.h"

#include <QApplication>
#include <QPushButton>
#include <exception>

namespace zel {

bool IsRefusedVersion(const PlatformVersion& version) {
    return version.major == 3 && version.minor <= 20;
}

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
    if (IsRefusedVersion(m_platform.Version())) {
        StartRefused();
    } else if (m_platform.FileExists("ZELPULT.INI")) {
        StartNormal();
    } else {
        StartInstall();
    }
    return m_mode;
}

int Launcher::Run() {
    QApplication::setQuitOnLastWindowClosed(false);
    connect(this, &Launcher::Ended, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    Start();
    QApplication::exec();
    return 0;
}

void Launcher::StartRefused() {
    m_mode = StartMode::Refused;
    CreateMessageDialog();
    connect(m_messageDialog.get(), &MessageDialog::Closed, this, &Launcher::Ended);
    m_messageDialog->ShowMessageDialog(
        m_messageDialog.get(),
        QString::fromUtf8("A program a jelen Windows változattal nem futtatható !"),
        MessageKind::Error, QString());
}

void Launcher::StartNormal() {
    m_mode = StartMode::Normal;
    QCoreApplication::setApplicationName(QString::fromUtf8("  Zelkor Indítópult"));
    CreateMainWindow();
    connect(m_mainWindow.get(), &MainWindow::Closed, this, &Launcher::Ended);
    CreateMessageDialog();
    ProgressWindow progress(*m_mainWindow);
    RunScan(progress);
    CreateSelfInstallWindow();
    CreateSettingsDialog();
    progress.close();
    m_mainWindow->show();
    FocusExitButton();
}

void Launcher::StartInstall() {
    m_mode = StartMode::Install;
    CreateSelfInstallWindow();
    connect(m_selfInstallWindow.get(), &SelfInstallWindow::Closed, this, &Launcher::Ended);
    CreateMainWindow();
    CreateMessageDialog();
    m_selfInstallWindow->show();
}

void Launcher::RunScan(ProgressWindow& progress) {
    DialogMessageSink messages(*m_messageDialog, m_mainWindow.get());
    try {
        RunStartupScan(m_platform, ConfigFilePath(m_startDirectory),
                       {m_catalogue, m_mainWindow->Config(), m_mainWindow->Drives()}, progress,
                       *m_mainWindow, messages);
    } catch (const std::exception& error) {
        // No event handler runs yet to catch it: the scan stops here and the panel comes up.
        m_mainWindow->KeepConfigFile();
        m_mainWindow->AppException(FromCp1250(error.what()));
    }
}

void Launcher::CreateSettingsDialog() {
    m_settingsDialog =
        std::make_unique<SettingsDialog>(m_catalogue, m_mainWindow.get(), ScreenSize());
    m_mainWindow->SetSettingsDialog(m_settingsDialog.get());
}

void Launcher::CreateMainWindow() {
    m_mainWindow = std::make_unique<MainWindow>(m_platform, m_catalogue, m_startDirectory);
    m_mainWindow->SetMessageDialog(m_messageDialog.get());
    m_mainWindow->SetSelfInstallWindow(m_selfInstallWindow.get());
}

void Launcher::CreateMessageDialog() {
    m_messageDialog = std::make_unique<MessageDialog>();
    m_messageDialog->SetSelfInstallWindow(m_selfInstallWindow.get());
    if (m_selfInstallWindow) {
        m_selfInstallWindow->SetMessageDialog(m_messageDialog.get());
    }
    if (m_mainWindow) {
        m_mainWindow->SetMessageDialog(m_messageDialog.get());
    }
}

void Launcher::CreateSelfInstallWindow() {
    m_selfInstallWindow = std::make_unique<SelfInstallWindow>(m_platform);
    m_selfInstallWindow->SetMessageDialog(m_messageDialog.get());
    if (m_mainWindow) {
        m_mainWindow->SetSelfInstallWindow(m_selfInstallWindow.get());
    }
    if (m_messageDialog) {
        m_messageDialog->SetSelfInstallWindow(m_selfInstallWindow.get());
    }
}

void Launcher::FocusExitButton() {
    QPushButton* exit = m_mainWindow->Button5();
    if (!exit->isEnabledTo(m_mainWindow.get()) || !exit->isVisibleTo(m_mainWindow.get()) ||
        exit->focusPolicy() == Qt::NoFocus) {
        return;
    }
    if (m_mainWindow->isEnabled()) {
        exit->setFocus();
        return;
    }
    // The start-up's warning holds the window; the button takes the focus once it is released.
    connect(
        m_messageDialog.get(), &MessageDialog::Closed, exit, [exit] { exit->setFocus(); },
        Qt::SingleShotConnection);
}

} // namespace zel
