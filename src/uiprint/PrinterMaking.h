#pragma once
// A desktop printer made on a thread of its own: making one asks the print server for its
// default printer and that printer's description, and a server that is stopped or never
// answers would hold the window for minutes.

#include <memory>

class QPrinter;

namespace zel {

class PrinterMaking final {
public:
    // Starts making the printer at once.
    PrinterMaking();
    // A printer still being made is dropped once it is made.
    ~PrinterMaking();
    PrinterMaking(const PrinterMaking&) = delete;
    PrinterMaking& operator=(const PrinterMaking&) = delete;

    // True once the printer is made; waits a moment for it.
    [[nodiscard]] bool Made();
    // The printer, waiting for it as long as it takes; only once.
    [[nodiscard]] std::unique_ptr<QPrinter> Take();

private:
    struct State;

    std::shared_ptr<State> m_state;
};

} // namespace zel
