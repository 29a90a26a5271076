#pragma once
// The application object. The panel's handlers catch their own errors; one that still
// escapes the toolkit's event delivery ends up here instead of ending the program, and goes
// to the same handler.

#include <QApplication>
#include <exception>
#include <functional>

namespace zel {

class Application final : public QApplication {
    Q_OBJECT

public:
    using ErrorHandler = std::function<void(const std::exception& error)>;

    Application(int& argc, char** argv);
    ~Application() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // Until a handler is set, errors go to the toolkit's standard error display.
    void SetErrorHandler(ErrorHandler handler) { m_handler = std::move(handler); }

    // The running application, or nullptr when the running one is another kind.
    static Application* Instance();

private:
    void ReportError(const std::exception& error);

    ErrorHandler m_handler;
};

// The toolkit's standard error display.
void ShowStandardError(const QString& message);

} // namespace zel
