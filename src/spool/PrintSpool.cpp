#include "spool/PrintSpool.h"

#include "platform/IoError.h"
#include "text/AsciiUpper.h"
#include "text/CodePage1250.h"

#include <cstdio>
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
      m_formatTime(formatTime ? std::move(formatTime) : FileTimeFormatter(DefaultFileTime)) {}

std::string PrintSpool::PathOf(std::string_view fileName) const {
    std::string path = m_directory;
    path += '\\';
    path += fileName;
    return path;
}

SpoolTickResult PrintSpool::Tick(bool printingEnabled) {
    if (m_busy || !printingEnabled) {
        return {};
    }
    const BusyGuard guard(m_busy);
    PrepareGrids();
    const int count = Scan();
    if (count == 0) {
        SpoolTickResult result;
        result.scanned = true;
        return result;
    }
    SortRows(count);
    return PrintFirstJob(count);
}

void PrintSpool::PrepareGrids() {
    m_running.SetRow(0, JobColumnHeaders());
    m_running.SetRowCount(2);
    m_finished.SetRow(0, JobColumnHeaders());
    m_running.ClearCells(1, kListNameColumn, kSheetColumn);
}

int PrintSpool::Scan() {
    // One look at who holds what open answers for every file of this tick.
    const std::unique_ptr<SharingProbe> probe = m_platform.MakeSharingProbe();
    int count = 0;
    for (const DirEntry& entry : m_platform.FindFiles(m_directory, "ws*.*")) {
        const SpoolFileKind kind = ClassifySpoolFile(entry.name);
        const std::string path = PathOf(entry.name);
        if (kind == SpoolFileKind::Leftover) {
            // A job put back whose rename failed goes on waiting; any other was left by a
            // cycle that never came back, under a name that no longer says what it was.
            const auto unrestored = m_unrestored.find(AsciiUpper(entry.name));
            if (unrestored == m_unrestored.end()) {
                (void)m_platform.DeleteFile(path);
            } else if (PutBack(path, unrestored->second)) {
                m_unrestored.erase(unrestored);
            }
            continue;
        }
        if (kind != SpoolFileKind::Waiting || entry.isDirectory || !m_platform.FileExists(path) ||
            !probe->CanOpenDenyWrite(path)) {
            continue;
        }
        PrintJob job;
        job.fileName = entry.name;
        try {
            job.header =
                ParsePrintHeader(FirstLine(m_platform.OpenForRead(path)->Read(kPrintLineCapacity)));
        } catch (const IoError&) {
            continue; // gone since the search
        }
        job.lastWrite = m_platform.LastWriteTime(path);
        ++count;
        m_running.SetRowCount(count + 1);
        AddJob(count, job);
    }
    return count;
}

void PrintSpool::AddJob(int row, const PrintJob& job) {
    JobRow cells = m_running.Row(row);
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
    m_running.SetRow(row, std::move(cells));
}

void PrintSpool::SortRows(int count) {
    // An exchange sort, so that names equal from their second character keep the order the
    // lists have always shown.
    for (int i = 1; i < count; ++i) {
        for (int j = i + 1; j <= count; ++j) {
            if (SortKey(m_running.Row(i)) > SortKey(m_running.Row(j))) {
                m_running.SwapRows(i, j);
            }
        }
    }
}

SpoolTickResult PrintSpool::PrintFirstJob(int count) {
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
    std::unique_ptr<InputFile> file;
    try {
        file = m_platform.OpenForRead(printingPath);
    } catch (const IoError&) {
        (void)PutBack(printingPath, fileName);
        return result;
    }
    try {
        m_printer.PrintJob(*file, m_running.Row(1)[kListNameColumn]);
    } catch (const std::exception& error) {
        file.reset();
        if (!PutBack(printingPath, fileName)) {
            m_unrestored[AsciiUpper(PrintingName(fileName))] = fileName;
        }
        result.printingStopped = true;
        result.error = error.what();
        return result;
    }
    file.reset();
    (void)m_platform.DeleteFile(printingPath);
    MoveToFinished(count);
    result.printed = true;
    return result;
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

void PrintSpool::MoveToFinished(int count) {
    ++m_printedCounter;
    m_finished.SetRowCount(m_printedCounter);
    for (int i = m_finished.RowCount() - 2; i >= 1; --i) {
        m_finished.SetRow(i + 1, m_finished.Row(i));
    }
    m_finished.SetRow(1, m_running.Row(1));
    for (int i = 1; i < count; ++i) {
        m_running.SetRow(i, m_running.Row(i + 1));
    }
    if (m_running.RowCount() > 2) {
        m_running.SetRowCount(m_running.RowCount() - 1);
    } else {
        m_running.ClearCells(1, kListNameColumn, kSheetColumn);
    }
}

} // namespace zel
