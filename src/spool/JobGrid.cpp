#include "spool/JobGrid.h"

#include "text/CodePage1250.h"

#include <array>
#include <stdexcept>

namespace zel {
namespace {

const std::string& Empty() {
    static const std::string empty;
    return empty;
}

const std::string& CellOf(const JobRecord& job, int column) {
    switch (column) {
    case kListNameColumn:
        return job.listName;
    case kProgramColumn:
        return job.program;
    case kTimeColumn:
        return job.printTime;
    case kPageColumn:
        return job.page;
    case kBandColumn:
        return job.band;
    case kSheetColumn:
        // The accounting programs never fill it.
        return Empty();
    case kFileNameColumn:
        return job.fileName;
    default:
        throw std::out_of_range("JobGridCell");
    }
}

} // namespace

const std::string& JobColumnHeader(int column) {
    static const std::array<std::string, kJobColumns> headers = {
        Utf8ToCp1250("Lista neve"), Utf8ToCp1250("Program"), Utf8ToCp1250("Nyomtatás időpontja"),
        Utf8ToCp1250("Oldal"),      Utf8ToCp1250("Sáv"),     Utf8ToCp1250("Lap"),
        Utf8ToCp1250("File név"),
    };
    return headers.at(static_cast<std::size_t>(column));
}

int JobGridRowCount(const JobList& jobs) {
    return static_cast<int>(jobs.Count() > 0 ? jobs.Count() : 1) + 1;
}

const std::string& JobGridCell(const JobList& jobs, int row, int column) {
    if (row < 1 || row >= JobGridRowCount(jobs)) {
        throw std::out_of_range("JobGridCell");
    }
    const auto at = static_cast<std::size_t>(row - 1);
    if (at >= jobs.Count()) {
        if (column < 0 || column >= kJobColumns) {
            throw std::out_of_range("JobGridCell");
        }
        return Empty();
    }
    return CellOf(jobs.Jobs()[at], column);
}

} // namespace zel
