#include "spool/PrintSpool.h"

#include "platform/IoError.h"
#include "text/CodePage1250.h"
#include "text/DosPath.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <utility>

namespace zel {
namespace {

// Tries that could not take a list before it is set aside and the user told. A list that
// cannot be taken for a passing reason (a virus scanner's look, a file server's hiccup) is
// taken at the next tick or the one after, and keeps its place in the queue meanwhile.
constexpr int kStuckAfter = 3;

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
std::string_view SortKey(const JobRecord& job) {
    return std::string_view(job.fileName).substr(std::min<std::size_t>(1, job.fileName.size()));
}

} // namespace

PrintSpool::PrintSpool(Platform& platform, JobPrinter& printer, std::string spoolDirectory,
                       FileTimeFormatter formatTime, SpoolTiming timing)
    : m_platform(platform), m_printer(printer), m_directory(std::move(spoolDirectory)),
      m_pathPrefix((DosPath(m_directory) / "").Text()),
      m_formatTime(formatTime ? std::move(formatTime) : FileTimeFormatter(DefaultFileTime)),
      m_timing(std::move(timing)), m_mark(MakeLauncherMark()) {}

std::string PrintSpool::PathOf(std::string_view fileName) const {
    std::string path;
    path.reserve(m_pathPrefix.size() + fileName.size());
    return path.append(m_pathPrefix).append(fileName);
}

SpoolTiming::Clock::time_point PrintSpool::Now() const {
    return m_timing.clock ? m_timing.clock() : SpoolTiming::Clock::now();
}

struct PrintSpool::ActiveJob {
    std::string fileName; // its waiting name
    std::size_t at = 0;   // in the running list, which no tick rebuilds while the job lasts
    std::unique_ptr<ClaimedFile> file;
    std::optional<FileStamp> stamp; // as it was taken
};

PrintSpool::~PrintSpool() {
    if (m_job) {
        m_printer.CancelJob();
        EndJob();
    }
}

SpoolTickResult PrintSpool::Tick(bool printingEnabled) {
    if (m_busy) {
        return {};
    }
    if (m_job) {
        // Stopped by the user, or still being written on another PC: the list waits again,
        // whole.
        if (!printingEnabled || JobChanged()) {
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
    SpoolTickResult result;
    result.scanned = true;
    if (Scan() > 0) {
        StartJob(result);
    }
    return result;
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

int PrintSpool::Scan() {
    // One look at who holds what open answers for every file of this tick.
    const std::unique_ptr<SharingProbe> probe = m_platform.MakeSharingProbe();
    const std::uint64_t scan = ++m_scans;
    const LocalDateTime now = m_platform.Now();
    const SpoolTiming::Clock::time_point clock = Now();
    // Records as kept from earlier ticks, or read now: each is copied only into a place of the
    // list that does not hold it already.
    std::vector<const JobRecord*> jobs;
    std::vector<std::pair<std::string, SpoolFileKind>> leftovers;
    for (const DirEntry& entry : m_platform.FindFiles(m_directory, "ws*.*")) {
        // A name that could lead out of the folder is no spool file: it is never read,
        // renamed or deleted.
        const SpoolFileKind kind = ClassifySpoolFile(entry.name);
        if (entry.isDirectory || kind == SpoolFileKind::Other) {
            continue;
        }
        if (kind != SpoolFileKind::Waiting) {
            leftovers.emplace_back(entry.name, kind);
            continue;
        }
        const std::string path = PathOf(entry.name);
        const SharingAnswer free = probe->CanOpenDenyWrite(path);
        if (!free) {
            continue;
        }
        // Stamped before it is read: a list written meanwhile differs from the stamp kept.
        const std::optional<FileStamp> stamp = free.stamp ? free.stamp : m_platform.Stamp(path);
        const auto [listed, added] = m_listed.try_emplace(entry.name);
        ListedFile& file = listed->second;
        if (added || !stamp || file.stamp != stamp) {
            file.stamp = stamp;
            file.since = clock;
            file.jobKept = false;
            file.refusals = 0;
            file.stuck = false;
        }
        if (!file.jobKept) {
            const std::optional<PrintJob> job = ReadJob(entry.name, path);
            if (!job) {
                m_listed.erase(listed);
                continue;
            }
            file.job = RecordOf(*job);
            // Written again within the file system's clock step, a list keeps its stamp: one
            // of this very second is read again next tick.
            file.jobKept = stamp && job->lastWrite && *job->lastWrite < now;
        }
        file.seen = scan;
        jobs.push_back(&file.job);
    }
    std::erase_if(m_listed, [scan](const auto& listed) { return listed.second.seen != scan; });
    for (const auto& [name, kind] : leftovers) {
        Restore(name, kind, *probe);
    }
    // Names compare from their second character; equal ones keep the order the search gave.
    std::stable_sort(jobs.begin(), jobs.end(), [](const JobRecord* a, const JobRecord* b) {
        return SortKey(*a) < SortKey(*b);
    });
    // Records are set where they stand, so that a tick that finds the same lists changes
    // nothing.
    m_running.Resize(jobs.size());
    for (std::size_t at = 0; at < jobs.size(); ++at) {
        m_running.Set(at, *jobs[at]);
    }
    return static_cast<int>(jobs.size());
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

void PrintSpool::Restore(const std::string& fileName, SpoolFileKind kind, SharingProbe& probe) {
    // Left by a launcher that is gone, or by a put-back that found no free name: a list still
    // to print, once its owner is known to be gone. Nobody here holds it open, and no
    // launcher anywhere holds its claim: the claim's lock or share mode outlives no launcher.
    if (!probe.CanOpenExclusive(PathOf(fileName))) {
        return;
    }
    const FileClaim claim = m_platform.ClaimFile(m_directory, fileName, std::nullopt);
    if (claim.outcome != ClaimOutcome::Claimed) {
        return;
    }
    std::string waitingName = WaitingNameOfPrinting(fileName);
    if (kind == SpoolFileKind::Leftover) {
        try {
            waitingName = WaitingNameFor(
                fileName,
                ParsePrintHeader(FirstLine(claim.file->Content().Read(kPrintLineCapacity))));
        } catch (const IoError&) {
            return;
        }
    }
    // With no waiting name free it stays under its printing name, for a later scan.
    (void)PutBack(*claim.file, waitingName);
}

JobRecord PrintSpool::RecordOf(const PrintJob& job) const {
    JobRecord record;
    if (job.header.recognised) {
        record.listName = job.header.listName;
        record.program =
            job.header.year.empty() ? std::string() : job.header.year + Utf8ToCp1250(". év");
        record.page = job.header.page;
        record.band = job.header.band;
    } else {
        record.listName = job.fileName;
    }
    record.fileName = job.fileName;
    record.printTime = job.lastWrite ? m_formatTime(*job.lastWrite) : std::string();
    return record;
}

void PrintSpool::StartJob(SpoolTickResult& result) {
    const SpoolTiming::Clock::time_point now = Now();
    std::vector<std::size_t> setAside;
    // The first in name order that can be taken: one that cannot be taken now keeps its
    // place, so the lists do not come out of order, until it has failed often enough to be
    // set aside.
    for (std::size_t at = 0; at < m_running.Count(); ++at) {
        const auto listed = m_listed.find(m_running.Jobs()[at].fileName);
        if (listed == m_listed.end()) {
            continue;
        }
        ListedFile& file = listed->second;
        // Not quiet yet: a writer on another PC, which no look at this machine sees, may be
        // at it still.
        if (now - file.since < m_timing.settle) {
            continue;
        }
        if (file.stuck) {
            setAside.push_back(at);
            continue;
        }
        const ClaimOutcome outcome = Take(at, file, result);
        if (outcome != ClaimOutcome::Busy && outcome != ClaimOutcome::Refused) {
            // Taken; or gone, or written again, which the next scan sees.
            return;
        }
        if (++file.refusals < kStuckAfter) {
            return;
        }
        file.stuck = true;
        if (!file.told) {
            file.told = true;
            result.stuckList = listed->first;
        }
    }
    // With nothing else to print, the lists set aside are tried again: what kept them may be
    // gone.
    for (const std::size_t at : setAside) {
        const auto listed = m_listed.find(m_running.Jobs()[at].fileName);
        if (Take(at, listed->second, result) == ClaimOutcome::Claimed) {
            return;
        }
    }
}

ClaimOutcome PrintSpool::Take(std::size_t at, ListedFile& listed, SpoolTickResult& result) {
    const std::string fileName = m_running.Jobs()[at].fileName;
    // Only the version that stayed quiet: the claim reads the file afresh.
    FileClaim claim = m_platform.ClaimFile(m_directory, fileName, listed.stamp);
    if (claim.outcome != ClaimOutcome::Claimed) {
        return claim.outcome;
    }
    // The printing name tells every launcher whose the list is, and frees the waiting name
    // for the program's next list. A folder that refuses it (another user's list in a
    // folder whose sticky bit keeps it theirs) leaves the list as it was.
    if (!claim.file->Rename(PrintingName(fileName, m_mark))) {
        return ClaimOutcome::Refused;
    }
    auto job = std::make_unique<ActiveJob>();
    job->fileName = fileName;
    job->at = at;
    job->stamp = claim.file->Stamp();
    job->file = std::move(claim.file);
    m_job = std::move(job);
    try {
        m_printer.BeginJob(m_job->file->Content(), m_running.Jobs()[at].listName);
    } catch (const std::exception& error) {
        EndJob();
        result.printingStopped = true;
        result.error = error.what();
        return ClaimOutcome::Claimed;
    }
    const SpoolTickResult first = Continue();
    result.printed = first.printed;
    result.printingStopped = first.printingStopped;
    result.error = first.error;
    return ClaimOutcome::Claimed;
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
    if (JobChanged()) {
        // Printed as it stood while its writer went on: it waits again, to print whole.
        EndJob();
        return result;
    }
    const std::unique_ptr<ActiveJob> job = std::move(m_job);
    // Only the file this launcher took; one it could not delete is found under its printing
    // name, free, by a later scan, and prints again rather than being lost.
    (void)job->file->Delete();
    MoveToFinished(job->at);
    result.printed = true;
    return result;
}

void PrintSpool::EndJob() {
    const std::unique_ptr<ActiveJob> job = std::move(m_job);
    // With no waiting name free, it stays under its printing name; a later scan that finds
    // its claim let go puts it back.
    (void)PutBack(*job->file, job->fileName);
}

bool PrintSpool::JobChanged() const {
    return m_job && m_job->stamp && m_job->file->Stamp() != m_job->stamp;
}

bool PrintSpool::PutBack(ClaimedFile& file, const std::string& fileName) {
    // The program may have written a newer list under the same name meanwhile: then the job
    // waits beside it under a free name that is still a list's ("ws0001~1.A17"), so that
    // neither is lost. A rename never takes an entry's place.
    const std::size_t dot = fileName.find('.');
    const std::string stem = fileName.substr(0, std::min<std::size_t>(dot, 6));
    const std::string extension = dot == std::string::npos ? std::string() : fileName.substr(dot);
    std::string name = fileName;
    for (int n = 1; !file.Rename(name); ++n) {
        if (n > 9) {
            return false;
        }
        name.assign(stem).append("~").append(std::to_string(n)).append(extension);
    }
    return true;
}

void PrintSpool::MoveToFinished(std::size_t at) {
    m_finished.Insert(0, m_running.Remove(at));
}

} // namespace zel
