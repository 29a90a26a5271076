#include "ui/Application.h"

#include "ui/Fonts.h"
#include "ui/QtText.h"

#include <QMessageBox>
#include <exception>

namespace zel {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    // The classic look: group box captions on the frame line, as the layouts assume.
    setStyle(QStringLiteral("Windows"));
    InstallFontSubstitutions();
}

Application::~Application() = default;

Application* Application::Instance() {
    return qobject_cast<Application*>(QCoreApplication::instance());
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportError(error);
    }
    return false;
}

void Application::ReportError(const std::exception& error) {
    if (m_handler) {
        m_handler(error);
    } else {
        ShowStandardError(FromCp1250(error.what()));
    }
}

void ShowStandardError(const QString& message) {
    QMessageBox::critical(nullptr, QGuiApplication::applicationDisplayName(), message);
}

} // namespace zel
