#pragma once
// What the spool cycle hands a job to. The desktop printer renders it onto a canvas a slice
// at a time, so that a long list leaves the window free; tests record it, or fail as a
// broken printer does.

#include "platform/FileStreams.h"

#include <string_view>

namespace zel {

class JobPrinter {
public:
    virtual ~JobPrinter() = default;
    // The file stays open until the job has ended.
    virtual void BeginJob(InputFile& file, std::string_view title) = 0;
    // Prints on; true when the printing system has accepted the whole job. Throws, with a
    // text fit for the user, when the job did not reach it; the job is then over.
    virtual bool PrintSlice() = 0;
    // Drops the job in progress, so that nothing of it is printed.
    virtual void CancelJob() noexcept = 0;
};

} // namespace zel
