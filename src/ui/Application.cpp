#include "ui/Application.h"

#include "ui/Fonts.h"
#include "ui/QtText.h"

#include <QMessageBox>
#include <exception>

namespace zel {
namespace {

// A line edit lays out its empty text in the application's font before it takes its own, and
// loading the desktop's face for that alone cost more than a page of controls. The forms'
// face, loaded anyway, takes that part; a widget without a font of its own (a tooltip, a
// drop-down list, the standard error box) still gets the desktop's, through the class every
// widget inherits.
void DefaultToFormFont() {
    const QFont desktopFont = QApplication::font();
    QGuiApplication::setFont(FormFont());
    QApplication::setFont(desktopFont, "QWidget");
}

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    // The classic look: group box captions on the frame line, as the layouts assume.
    setStyle(QStringLiteral("Windows"));
    InstallFontSubstitutions();
    DefaultToFormFont();
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
