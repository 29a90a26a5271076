#pragma once
// What the spool cycle hands a job to. The desktop printer renders it onto a canvas; tests
// record it, or fail as a broken printer does.

#include "platform/FileStreams.h"

#include <string_view>

namespace zel {

class JobPrinter {
public:
    virtual ~JobPrinter() = default;
    // Returns when the printer has the whole job; throws, with a text fit for the user,
    // when the job did not reach it.
    virtual void PrintJob(InputFile& file, std::string_view title) = 0;
};

} // namespace zel
