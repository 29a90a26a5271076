#include "spool/PrintSpool.h"

#include "platform/IoError.h"
#include "text/AsciiUpper.h"
#include "text/CodePage1250.h"
#include "text/DosPath.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <exception>
#include <utility>

namespace zel {
namespace {

// A cycle that ends in an error must not leave the spool dead for the rest of the run.
class BusyGuard final {
public:
    explicit BusyGuard(bool& busy) : m_busy(busy) { m_busy = true; }
    ~BusyGuard() { m_busy = false; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    bool& m_busy;
};

std::string DefaultFileTime(const LocalDateTime& t) {
    char text[32];
    std::snprintf(text, sizeof(text), "%04d.%02d.%02d. %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

// Names compare from their second character, so that "ws1" and "Ws1" sort together.
std::string_view SortKey(const JobRow& row) {
    return std::string_view(row[kFileNameColumn])
        .substr(std::min<std::size_t>(1, row[kFileNameColumn].size()));
}

} // namespace

PrintSpool::PrintSpool(Platform& platform, JobPrinter& printer, std::string spoolDirectory,
                       FileTimeFormatter formatTime)
    : m_platform(platform), m_printer(printer), m_directory(std::move(spoolDirectory)),
      m_pathPrefix((DosPath(m_directory) / "").Text()),
      m_formatTime(formatTime ? std::move(formatTime) : FileTimeFormatter(DefaultFileTime)) {}

std::string PrintSpool::PathOf(std::string_view fileName) const {
    std::string path;
    path.reserve(m_pathPrefix.size() + fileName.size());
    return path.append(m_pathPrefix).append(fileName);
}

struct PrintSpool::ActiveJob {
    std::string fileName;
    std::string printingPath;
    std::unique_ptr<InputFile> file;
};

PrintSpool::~PrintSpool() {
    if (m_job) {
        m_printer.CancelJob();
        const std::unique_ptr<ActiveJob> job = std::move(m_job);
        job->file.reset();
        (void)PutBack(job->printingPath, job->fileName);
    }
}

SpoolTickResult PrintSpool::Tick(bool printingEnabled) {
    if (m_busy) {
        return {};
    }
    if (m_job) {
        if (!printingEnabled) {
            // Stopped by the user: the list waits again, whole.
            m_printer.CancelJob();
            EndJob();
        }
        return {};
    }
    if (m_failure) {
        SpoolTickResult failure = std::move(*m_failure);
        m_failure.reset();
        return failure;
    }
    if (!printingEnabled) {
        return {};
    }
    const BusyGuard guard(m_busy);
    PrepareGrids();
    if (Scan() == 0) {
        SpoolTickResult result;
        result.scanned = true;
        return result;
    }
    return StartFirstJob();
}

SpoolTickResult PrintSpool::PrintSlice() {
    if (m_busy || !m_job) {
        return {};
    }
    const BusyGuard guard(m_busy);
    SpoolTickResult result = Continue();
    if (result.printingStopped) {
        m_failure = result;
    }
    return result;
}

void PrintSpool::PrepareGrids() {
    m_running.SetRow(0, JobColumnHeaders());
    m_finished.SetRow(0, JobColumnHeaders());
}

int PrintSpool::Scan() {
    // One look at who holds what open answers for every file of this tick.
    const std::unique_ptr<SharingProbe> probe = m_platform.MakeSharingProbe();
    const std::uint64_t scan = ++m_scans;
    const LocalDateTime now = m_platform.Now();
    // Rows as kept from earlier ticks, or read now: each is copied only into a grid row
    // that does not hold it already.
    std::vector<const JobRow*> rows;
    std::deque<JobRow> unkept;
    for (const DirEntry& entry : m_platform.FindFiles(m_directory, "ws*.*")) {
        const SpoolFileKind kind = ClassifySpoolFile(entry.name);
        if (entry.isDirectory || kind == SpoolFileKind::Other) {
            continue;
        }
        if (kind == SpoolFileKind::Leftover) {
            Restore(entry.name, *probe);
            continue;
        }
        const std::string path = PathOf(entry.name);
        if (!probe->CanOpenDenyWrite(path)) {
            continue;
        }
        // Stamped before it is read: a list written meanwhile differs from the stamp kept.
        const std::optional<FileStamp> stamp = m_platform.Stamp(path);
        const auto listed = m_listed.find(entry.name);
        if (stamp && listed != m_listed.end() && listed->second.stamp == *stamp) {
            listed->second.seen = scan;
            rows.push_back(&listed->second.row);
            continue;
        }
        const std::optional<PrintJob> job = ReadJob(entry.name, path);
        if (!job) {
            continue;
        }
        JobRow row = RowOf(*job);
        // Written again within the file system's clock step, a list keeps its stamp: one of
        // this very second is read again next tick.
        if (stamp && job->lastWrite && *job->lastWrite < now) {
            const auto kept =
                m_listed.insert_or_assign(entry.name, ListedFile{*stamp, std::move(row), scan});
            rows.push_back(&kept.first->second.row);
        } else {
            rows.push_back(&unkept.emplace_back(std::move(row)));
        }
    }
    std::erase_if(m_listed, [scan](const auto& listed) { return listed.second.seen != scan; });
    // Names compare from their second character; equal ones keep the order the search gave.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const JobRow* a, const JobRow* b) { return SortKey(*a) < SortKey(*b); });
    // Rows are set where they stand, so that a tick that finds the same lists changes
    // nothing; without lists, only the file name of the first row stays.
    const int count = static_cast<int>(rows.size());
    m_running.SetRowCount(std::max(count, 1) + 1);
    if (count == 0) {
        m_running.ClearCells(1, kListNameColumn, kSheetColumn);
    }
    for (int row = 1; row <= count; ++row) {
        m_running.SetRow(row, *rows[static_cast<std::size_t>(row - 1)]);
    }
    return count;
}

std::optional<PrintJob> PrintSpool::ReadJob(const std::string& fileName, const std::string& path) {
    PrintJob job;
    job.fileName = fileName;
    try {
        // Only a list that really lies here: a link could print a private file elsewhere.
        job.header = ParsePrintHeader(
            FirstLine(m_platform.OpenRegularFileForRead(path)->Read(kPrintLineCapacity)));
    } catch (const IoError&) {
        return std::nullopt;
    }
    job.lastWrite = m_platform.LastWriteTime(path);
    return job;
}

void PrintSpool::Restore(const std::string& printingName, SharingProbe& probe) {
    // A job file that nobody holds open was left by a launcher that is gone, or by a put-back
    // whose rename failed: it is a list still to print.
    const std::string path = PathOf(printingName);
    if (!probe.CanOpenExclusive(path)) {
        return;
    }
    std::string waitingName;
    const auto unrestored = m_unrestored.find(AsciiUpper(printingName));
    if (unrestored != m_unrestored.end()) {
        waitingName = unrestored->second;
    } else {
        try {
            waitingName = WaitingNameFor(
                printingName,
                ParsePrintHeader(
                    FirstLine(m_platform.OpenRegularFileForRead(path)->Read(kPrintLineCapacity))));
        } catch (const IoError&) {
            return;
        }
    }
    if (PutBack(path, waitingName) && unrestored != m_unrestored.end()) {
        m_unrestored.erase(unrestored);
    }
}

JobRow PrintSpool::RowOf(const PrintJob& job) const {
    JobRow cells;
    if (job.header.recognised) {
        cells[kListNameColumn] = job.header.listName;
        cells[kProgramColumn] =
            job.header.year.empty() ? std::string() : job.header.year + Utf8ToCp1250(". év");
        cells[kPageColumn] = job.header.page;
        cells[kBandColumn] = job.header.band;
    } else {
        cells[kListNameColumn] = job.fileName;
    }
    cells[kFileNameColumn] = job.fileName;
    cells[kTimeColumn] = job.lastWrite ? m_formatTime(*job.lastWrite) : std::string();
    return cells;
}

SpoolTickResult PrintSpool::StartFirstJob() {
    SpoolTickResult result;
    result.scanned = true;
    // Only the first in name order: one that cannot be taken now is tried again next tick,
    // so the lists never come out of order.
    const std::string fileName = m_running.Row(1)[kFileNameColumn];
    const std::string waitingPath = PathOf(fileName);
    const std::string printingPath = PathOf(PrintingName(fileName));
    if (m_platform.FileExists(printingPath) || !m_platform.RenameFile(waitingPath, printingPath)) {
        return result;
    }
    auto job = std::make_unique<ActiveJob>();
    job->fileName = fileName;
    job->printingPath = printingPath;
    try {
        // What was renamed may have been swapped for a link since the scan.
        job->file = m_platform.OpenRegularFileForRead(printingPath);
    } catch (const IoError&) {
        (void)PutBack(printingPath, fileName);
        return result;
    }
    m_job = std::move(job);
    try {
        m_printer.BeginJob(*m_job->file, m_running.Row(1)[kListNameColumn]);
    } catch (const std::exception& error) {
        EndJob();
        result.printingStopped = true;
        result.error = error.what();
        return result;
    }
    SpoolTickResult first = Continue();
    first.scanned = true;
    return first;
}

SpoolTickResult PrintSpool::Continue() {
    SpoolTickResult result;
    bool done = false;
    try {
        done = m_printer.PrintSlice();
    } catch (const std::exception& error) {
        EndJob();
        result.printingStopped = true;
        result.error = error.what();
        return result;
    }
    if (!done) {
        return result;
    }
    const std::unique_ptr<ActiveJob> job = std::move(m_job);
    job->file.reset();
    (void)m_platform.DeleteFile(job->printingPath);
    MoveToFinished();
    result.printed = true;
    return result;
}

void PrintSpool::EndJob() {
    const std::unique_ptr<ActiveJob> job = std::move(m_job);
    job->file.reset();
    if (!PutBack(job->printingPath, job->fileName)) {
        m_unrestored[AsciiUpper(PrintingName(job->fileName))] = job->fileName;
    }
}

bool PrintSpool::PutBack(const std::string& printingPath, const std::string& fileName) {
    // The program may have written a newer list under the same name meanwhile: then the job
    // waits beside it under a free name that is still a list's ("ws0001~1.A17"), so that
    // neither is lost.
    std::string name = fileName;
    const std::size_t dot = fileName.find('.');
    const std::string stem = fileName.substr(0, std::min<std::size_t>(dot, 6));
    const std::string extension = dot == std::string::npos ? std::string() : fileName.substr(dot);
    for (int n = 1; m_platform.FileExists(PathOf(name)) || m_platform.DirectoryExists(PathOf(name));
         ++n) {
        if (n > 9) {
            return false;
        }
        name = stem + "~" + std::to_string(n) + extension;
    }
    return m_platform.RenameFile(printingPath, PathOf(name));
}

void PrintSpool::MoveToFinished() {
    ++m_printedCounter;
    m_finished.InsertRow(1, m_running.Row(1));
    m_finished.SetRowCount(m_printedCounter);
    if (m_running.RowCount() > 2) {
        m_running.RemoveRow(1);
    } else {
        m_running.ClearCells(1, kListNameColumn, kSheetColumn);
    }
}

} // namespace zel
