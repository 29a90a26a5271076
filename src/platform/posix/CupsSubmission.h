#pragma once
// A finished document handed to a CUPS queue, with every answer of the printing system
// checked: a queue that rejects jobs, a deleted queue or a stopped server must leave the
// list waiting, and the toolkit's own CUPS path cannot tell them from success.

#include <atomic>
#include <string>

namespace zel::posix {

struct CupsJobOptions {
    int copies = 1;
    bool collate = true;
    // "one-sided", "two-sided-long-edge" or "two-sided-short-edge".
    std::string sides = "one-sided";
};

// Returns once the queue has accepted the whole PDF; else throws std::runtime_error with a
// code page 1250 text for the user. Texts are UTF-8. Once abandoned is set, no job is begun or
// completed, and a job the server took meanwhile is cancelled: the list waits again by then.
void SubmitPdfToCups(const std::string& queue, const std::string& pdfPath, const std::string& title,
                     const CupsJobOptions& options, const std::atomic<bool>& abandoned);

} // namespace zel::posix
