#pragma once
// What the print relay does with the bytes DOSBox sends, whatever system carries them: cut
// into jobs at the program's pauses and printed in order, a refused job kept and offered
// again. The system's relay only feeds it bytes and wakes it when it asks.

#include "dos/PrintJobSplitter.h"
#include "dos/RawJobQueue.h"
#include "platform/RelayedPrinting.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zel {

class PrintRelayJobs final : public RelayedPrinting {
public:
    // An empty printer name is the default printer. With kept jobs, the jobs an earlier relay
    // left are printed first.
    PrintRelayJobs(RawPrinter& printer, std::string printerName, std::string title,
                   RawJobQueue::PrinterGone printerGone = {}, KeptJobs* kept = nullptr);

    void Take(std::string_view bytes, Clock::time_point now) override;
    // Ends a job a pause has ended and prints what waits.
    void Work(Clock::time_point now) override;
    [[nodiscard]] std::optional<Clock::time_point> NextWake() const override;
    // Its last job is printed too. Returns once every job is printed, however long the
    // printer refuses, as giving up would lose the pages.
    void Finish() override;

private:
    PrintJobSplitter m_splitter;
    RawJobQueue m_queue;
};

// What the launcher hands the system's print relay.
[[nodiscard]] std::unique_ptr<RelayedPrinting> MakePrintRelayJobs(RelayedPrintingParts parts);

} // namespace zel
