#pragma once
// The launcher's print spooler. On each timer tick it lists the print files that their
// writers have closed, shows them in name order and starts printing the first that can be
// taken; a long job goes on in slices between ticks, so the window stays responsive. A print
// list is never deleted before the printing system has taken it: a job that fails or is
// stopped goes back to its waiting name, and after a failure printing stops until the user
// enables it again.
//
// Launchers on several PCs may print from one spool folder, and none sees the others'
// processes. A list is taken by a claim that all of them see (Platform::ClaimFile) and
// renamed to a printing name that carries this launcher's mark; only the launcher that took
// it deletes it, through its claim, and a list left under a printing name goes back to wait
// only once no launcher holds its claim. A writer on another PC cannot be seen either: a
// list is taken only after it has stayed unchanged for a settle time, and one that changes
// after it was taken goes back to wait, whole.

#include "platform/Platform.h"
#include "spool/JobList.h"
#include "spool/JobPrinter.h"
#include "spool/PrintJob.h"

#include <chrono>
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
    // A list that cannot be taken, told once: it waits aside, and the lists behind it print.
    std::optional<std::string> stuckList; // its file name, code page 1250
};

struct SpoolTiming {
    using Clock = std::chrono::steady_clock;
    // How long a list must stay unchanged (size, times, file) before it is taken. Two ticks
    // of the one-second timer: a program that writes a list writes it far more often than
    // that, and a look at a file on a shared folder may be up to a second old (SMB's
    // attribute cache), so three looks two seconds apart see a writer at work. The claim's
    // own open then reads the file afresh (NFS's close-to-open) and must find the same
    // version; a writer that pauses longer is caught after the print, and the list prints
    // again whole.
    std::chrono::milliseconds settle{2000};
    // The clock that time is measured on; the steady clock when empty.
    std::function<Clock::time_point()> clock;
};

class PrintSpool final {
public:
    // spoolDirectory is a DOS path without a trailing separator. Without a formatter the
    // time is written as "2017.03.09. 14:05:00".
    PrintSpool(Platform& platform, JobPrinter& printer, std::string spoolDirectory,
               FileTimeFormatter formatTime = {}, SpoolTiming timing = {});

    // A job in progress is put back to wait.
    ~PrintSpool();
    PrintSpool(const PrintSpool&) = delete;
    PrintSpool& operator=(const PrintSpool&) = delete;

    // The timer's cycle; does nothing while a cycle runs or printing is stopped. With a job
    // in progress it only stops that job when printing was stopped or the list changed, and
    // hands on the failure of a job that ended in a slice.
    SpoolTickResult Tick(bool printingEnabled);
    // Prints on at the job in progress; the window calls it until no job is in progress.
    SpoolTickResult PrintSlice();
    [[nodiscard]] bool JobInProgress() const { return m_job != nullptr; }

    // The waiting lists of the last scan in name order; the one being printed stays among them.
    [[nodiscard]] const JobList& Running() const { return m_running; }
    // The lists printed since the spool began, newest first.
    [[nodiscard]] const JobList& Finished() const { return m_finished; }
    [[nodiscard]] const std::string& SpoolDirectory() const { return m_directory; }
    // This launcher's mark in the names of the lists it prints.
    [[nodiscard]] const std::string& Mark() const { return m_mark; }

private:
    struct ActiveJob;

    // A list as last looked at, kept while it is in the folder.
    struct ListedFile {
        std::optional<FileStamp> stamp;
        JobRecord job;
        // The record may be listed again while the stamp is unchanged.
        bool jobKept = false;
        std::uint64_t seen = 0;
        // Since when the list has been as it is.
        SpoolTiming::Clock::time_point since;
        // Tries in a row that could not take it.
        int refusals = 0;
        bool stuck = false;
        bool told = false;
    };

    int Scan();
    [[nodiscard]] std::optional<PrintJob> ReadJob(const std::string& fileName,
                                                  const std::string& path);
    void Restore(const std::string& fileName, SpoolFileKind kind, SharingProbe& probe);
    [[nodiscard]] JobRecord RecordOf(const PrintJob& job) const;
    void StartJob(SpoolTickResult& result);
    [[nodiscard]] ClaimOutcome Take(std::size_t at, ListedFile& listed, SpoolTickResult& result);
    SpoolTickResult Continue();
    // The job ends unprinted: it waits again, whole.
    void EndJob();
    [[nodiscard]] bool JobChanged() const;
    void MoveToFinished(std::size_t at);
    // A list back under a waiting name; false when it stays where it is.
    [[nodiscard]] static bool PutBack(ClaimedFile& file, const std::string& fileName);
    [[nodiscard]] std::string PathOf(std::string_view fileName) const;
    [[nodiscard]] SpoolTiming::Clock::time_point Now() const;

    Platform& m_platform;
    JobPrinter& m_printer;
    std::string m_directory;
    // The folder as every list's path begins: a tick makes a path for each list.
    std::string m_pathPrefix;
    FileTimeFormatter m_formatTime;
    SpoolTiming m_timing;
    std::string m_mark;
    JobList m_running;
    JobList m_finished;
    bool m_busy = false;
    std::unique_ptr<ActiveJob> m_job;
    // The failure of a job that ended in a slice, for the next tick to report.
    std::optional<SpoolTickResult> m_failure;
    // By file name: an unchanged folder is not read again, tick after tick.
    std::map<std::string, ListedFile, std::less<>> m_listed;
    std::uint64_t m_scans = 0;
};

} // namespace zel
