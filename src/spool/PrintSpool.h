#pragma once
// The launcher's print spooler. On each timer tick it lists the print files that their
// writers have closed, shows them in name order and starts printing the first; a long job
// goes on in slices between ticks, so the window stays responsive. A print list is never
// deleted before the printing system has taken it: a job that fails or is stopped goes back
// to its waiting name, and after a failure printing stops until the user enables it again.

#include "platform/Platform.h"
#include "spool/JobGrid.h"
#include "spool/JobPrinter.h"
#include "spool/PrintJob.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

    // A job in progress is put back to wait.
    ~PrintSpool();
    PrintSpool(const PrintSpool&) = delete;
    PrintSpool& operator=(const PrintSpool&) = delete;

    // The timer's cycle; does nothing while a cycle runs or printing is stopped. With a job
    // in progress it only stops that job when printing was stopped, and hands on the failure
    // of a job that ended in a slice.
    SpoolTickResult Tick(bool printingEnabled);
    // Prints on at the job in progress; the window calls it until no job is in progress.
    SpoolTickResult PrintSlice();
    [[nodiscard]] bool JobInProgress() const { return m_job != nullptr; }

    [[nodiscard]] const JobGrid& Running() const { return m_running; }
    [[nodiscard]] const JobGrid& Finished() const { return m_finished; }
    [[nodiscard]] const std::string& SpoolDirectory() const { return m_directory; }

private:
    struct ActiveJob;

    // A list's row as last read, kept while the list is unchanged.
    struct ListedFile {
        FileStamp stamp;
        JobRow row;
        std::uint64_t seen = 0;
    };

    void PrepareGrids();
    int Scan();
    [[nodiscard]] std::optional<PrintJob> ReadJob(const std::string& fileName,
                                                  const std::string& path);
    void Restore(const std::string& printingName, SharingProbe& probe);
    [[nodiscard]] JobRow RowOf(const PrintJob& job) const;
    SpoolTickResult StartFirstJob();
    SpoolTickResult Continue();
    void EndJob();
    void MoveToFinished();
    // A job that did not print back under a waiting name; false when it stays as it is.
    [[nodiscard]] bool PutBack(const std::string& printingPath, const std::string& fileName);
    [[nodiscard]] std::string PathOf(std::string_view fileName) const;

    Platform& m_platform;
    JobPrinter& m_printer;
    std::string m_directory;
    // The folder as every list's path begins: a tick makes a path for each list.
    std::string m_pathPrefix;
    FileTimeFormatter m_formatTime;
    JobGrid m_running{2};
    JobGrid m_finished{2};
    int m_printedCounter = 1;
    bool m_busy = false;
    std::unique_ptr<ActiveJob> m_job;
    // The failure of a job that ended in a slice, for the next tick to report.
    std::optional<SpoolTickResult> m_failure;
    // Jobs put back whose rename failed: printing name to waiting name.
    std::map<std::string, std::string> m_unrestored;
    // By file name: an unchanged folder is not read again, tick after tick.
    std::map<std::string, ListedFile, std::less<>> m_listed;
    std::uint64_t m_scans = 0;
};

} // namespace zel
