#pragma once
// The printer the user chose, as a job needs it, read by the face when a document begins: the
// user may set up the printer again while a job is in progress, and the job keeps its own.

#include "pdf/SheetLayout.h"
#include "platform/posix/CupsSubmission.h"
#include "spool/Canvas.h"

#include <string>

namespace zel {

struct ChosenPrinter {
    // A file printer writes the job into the file name names; else name is the CUPS queue.
    bool toFile = false;
    // UTF-8, and the file's native path; empty when no printer is chosen.
    std::string name;
    SheetLayout sheet;
    // In device pixels.
    PageSize printable;
    posix::CupsJobOptions options;
};

} // namespace zel
