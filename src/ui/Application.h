#pragma once
// The application object. An error that escapes an event handler ends up here instead of
// ending the program, and goes to the handler that the main window installs.

#include <QApplication>
#include <functional>

namespace zel {

class Application final : public QApplication {
    Q_OBJECT

public:
    using ErrorHandler = std::function<void(const QString& message)>;

    Application(int& argc, char** argv);
    ~Application() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // Until a handler is set, errors go to the toolkit's standard error display.
    void SetErrorHandler(ErrorHandler handler) { m_handler = std::move(handler); }

    // The running application, or nullptr when the running one is another kind.
    static Application* Instance();

private:
    void ReportError(const QString& message);

    ErrorHandler m_handler;
};

// The toolkit's standard error display.
void ShowStandardError(const QString& message);

} // namespace zel
