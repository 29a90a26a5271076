#pragma once
// The launcher's print spooler. On each timer tick it lists the print files that their
// writers have closed, shows them in name order and prints the first, one job per tick, so
// the window stays responsive between jobs. A print list is never deleted before the printer
// has taken it: a job that fails goes back to its waiting name and printing stops, to go on
// when the user enables it again.

#include "platform/Platform.h"
#include "spool/JobGrid.h"
#include "spool/JobPrinter.h"
#include "spool/PrintJob.h"

#include <functional>
#include <map>
#include <string>

namespace zel {

// The file time as the user's locale writes it; code page 1250.
using FileTimeFormatter = std::function<std::string(const LocalDateTime&)>;

struct SpoolTickResult {
    bool scanned = false;
    bool printed = false;
    // A job failed and was put back; printing must stop until the user enables it again.
    bool printingStopped = false;
    std::string error; // code page 1250
};

class PrintSpool final {
public:
    // spoolDirectory is a DOS path without a trailing separator. Without a formatter the
    // time is written as "2017.03.09. 14:05:00".
    PrintSpool(Platform& platform, JobPrinter& printer, std::string spoolDirectory,
               FileTimeFormatter formatTime = {});

    // The timer's cycle; does nothing while a cycle runs or printing is stopped.
    SpoolTickResult Tick(bool printingEnabled);

    [[nodiscard]] const JobGrid& Running() const { return m_running; }
    [[nodiscard]] const JobGrid& Finished() const { return m_finished; }
    [[nodiscard]] const std::string& SpoolDirectory() const { return m_directory; }

private:
    void PrepareGrids();
    int Scan();
    void AddJob(int row, const PrintJob& job);
    void SortRows(int count);
    SpoolTickResult PrintFirstJob(int count);
    void MoveToFinished(int count);
    // A job whose printing failed back under a waiting name; false when it stays as it is.
    [[nodiscard]] bool PutBack(const std::string& printingPath, const std::string& fileName);
    [[nodiscard]] std::string PathOf(std::string_view fileName) const;

    Platform& m_platform;
    JobPrinter& m_printer;
    std::string m_directory;
    FileTimeFormatter m_formatTime;
    JobGrid m_running{2};
    JobGrid m_finished{2};
    int m_printedCounter = 1;
    bool m_busy = false;
    // Jobs put back whose rename failed: printing name to waiting name.
    std::map<std::string, std::string> m_unrestored;
};

} // namespace zel
