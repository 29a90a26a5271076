#pragma once
// Linux has no share modes: whether a DOS open would succeed is read from the file's write
// permission and from which processes hold it open (/proc/*/fd), taken once per probe.

#include "platform/SharingProbe.h"
#include "platform/posix/WinePrefix.h"

#include <memory>

namespace zel::posix {

// The look at /proc is taken at the probe's first question and answers all later ones; the
// probe keeps its own copy of the drive table. Relative DOS paths are not resolved.
std::unique_ptr<SharingProbe> MakeProcSharingProbe(const WinePrefix& prefix);

} // namespace zel::posix
