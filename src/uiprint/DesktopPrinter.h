#pragma once
// The desktop printer and what lays a job out on it (the measuring window, the canvas), set
// up when first needed: the first job or the printer setup. Setting up a printer loads the
// print server's client and asks the server for its printers and their descriptions, which
// a start that prints nothing should not wait for, and the first job does so on a thread of
// its own, as the server may not answer for minutes.

#include "pdf/CupsDelivery.h"
#include "ui/DesktopPrinting.h"

#include <QtGlobal>
#include <chrono>
#include <memory>
#include <optional>
#include <string>

class QPrinter;

namespace zel {

class PrinterMaking;

class DesktopPrinter final : public DesktopPrinting {
    Q_DISABLE_COPY_MOVE(DesktopPrinter)

public:
    // patience: how long a job may wait for the print server.
    explicit DesktopPrinter(std::chrono::milliseconds patience = kCupsPatience);
    ~DesktopPrinter() override;

    void BeginJob(InputFile& file, std::string_view title) override;
    bool PrintSlice() override;
    void CancelJob() noexcept override;

    void RunSetup(QWidget& owner) override;
    [[nodiscard]] std::string CharacterPrinter() override;
    // Waits for a printer still being made: the setup asks the server all the same.
    [[nodiscard]] QPrinter& Printer() override;

private:
    struct Parts;
    // A job begun before the printer was made.
    struct WaitingJob {
        InputFile* file;
        std::string title;
        std::chrono::steady_clock::time_point deadline;
    };
    Parts& Ready();
    // False while the printer of the waiting job is being made.
    [[nodiscard]] bool StartWaitingJob();

    std::chrono::milliseconds m_patience;
    std::unique_ptr<PrinterMaking> m_making;
    std::optional<WaitingJob> m_waiting;
    std::unique_ptr<Parts> m_parts;
    bool m_chosen = false;
};

} // namespace zel
