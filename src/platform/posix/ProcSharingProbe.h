#pragma once
// Linux has no share modes: whether a DOS open would succeed is read from the file's write
// permission and from which processes hold it open (/proc/*/fd), taken once per probe, or
// from a watch of the file's folder that knows nobody holds it, or that a program still
// writes it, which spares the look at /proc. An exclusive open also fails while a program's
// running lock is held on the file.

#include "platform/SharingProbe.h"
#include "platform/posix/OpenFileWatch.h"
#include "platform/posix/WinePrefix.h"

#include <memory>

namespace zel::posix {

// The look at /proc is taken at the first question the watch cannot answer, and answers all
// later ones; the probe keeps its own copy of the drive table. Without a watch every answer
// comes from /proc. Relative DOS paths are not resolved.
std::unique_ptr<SharingProbe> MakeProcSharingProbe(const WinePrefix& prefix,
                                                   std::shared_ptr<OpenFileWatch> watch = {});

} // namespace zel::posix
