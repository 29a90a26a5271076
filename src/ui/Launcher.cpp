#include "ui/Launcher.h"

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

Launcher::Launcher(Platform& platform) : m_platform(platform) {}

// Windows go before the objects they point at are gone; the dialog last, as every other
// window may still show a message while it closes.
Launcher::~Launcher() {
    if (Application* app = Application::Instance()) {
        app->SetErrorHandler({});
    }
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
    QApplication::setQuitOnLastWindowClosed(false);
    connect(this, &Launcher::Ended, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    Start();
    QApplication::exec();
    return 0;
}

void Launcher::AppException(const std::exception& error) {
    if (m_mainWindow) {
        m_mainWindow->Panel().AppException(error);
    } else {
        ShowStandardError(FromCp1250(error.what()));
    }
}

void Launcher::StartRefused() {
    m_messageDialog->ShowMessageDialog(MessageOwner::None, RefusedVersionText(), MessageKind::Error,
                                       {}, [this] { emit Ended(); });
}

void Launcher::StartNormal() {
    QCoreApplication::setApplicationName(QString::fromUtf8("  Zelkor Indítópult"));
    CreateMainWindow();
    connect(m_mainWindow.get(), &MainWindow::Closed, this, &Launcher::Ended);
    ProgressWindow progress(*m_mainWindow);
    m_mainWindow->Panel().RunStartupScan(progress);
    CreateSelfInstallWindow();
    // The settings dialog is made when a row's settings are first asked for.
    m_mainWindow->Panel().SetSettingsPanel([this]() -> SettingsPanel& { return Form3()->Panel(); });
    progress.close();
    m_mainWindow->show();
    FocusExitButton();
}

void Launcher::StartInstall() {
    CreateSelfInstallWindow();
    connect(m_selfInstallWindow.get(), &SelfInstallWindow::Closed, this, &Launcher::Ended);
    CreateMainWindow();
    m_selfInstallWindow->show();
}

SettingsDialog* Launcher::Form3() {
    if (!m_settingsDialog && m_mode == StartMode::Normal && m_mainWindow) {
        CreateSettingsDialog();
    }
    return m_settingsDialog.get();
}

void Launcher::CreateSettingsDialog() {
    m_settingsDialog = std::make_unique<SettingsDialog>(
        m_catalogue, m_mainWindow.get(), ScreenSize(),
        [this](const std::exception& error) { AppException(error); },
        [this](int slot) { m_mainWindow->Panel().ParametersStored(slot); });
}

void Launcher::CreateMainWindow() {
    m_mainWindow =
        std::make_unique<MainWindow>(m_platform, m_catalogue, m_startDirectory, *m_messageDialog);
    m_messageDialog->SetWindows(m_mainWindow.get(), m_selfInstallWindow.get());
    if (Application* app = Application::Instance()) {
        app->SetErrorHandler([this](const std::exception& error) { AppException(error); });
    }
}

void Launcher::CreateSelfInstallWindow() {
    m_selfInstallWindow = std::make_unique<SelfInstallWindow>(
        m_platform, *m_messageDialog, [this](const std::exception& error) { AppException(error); });
    m_messageDialog->SetWindows(m_mainWindow.get(), m_selfInstallWindow.get());
}

void Launcher::FocusExitButton() {
    QPushButton* exit = m_mainWindow->Button5();
    if (!exit->isEnabledTo(m_mainWindow.get()) || !exit->isVisibleTo(m_mainWindow.get()) ||
        exit->focusPolicy() == Qt::NoFocus) {
        return;
    }
    // With the start-up's warning up, the focus it gives back when closed is the button's.
    exit->setFocus();
}

} // namespace zel
