#pragma once
// Linux has no share modes: whether a DOS open would succeed is read from the file's write
// permission and from which processes hold it open (/proc/*/fd), taken once per probe.

#include "platform/SharingProbe.h"
#include "platform/posix/WinePrefix.h"

#include <memory>

namespace zel::posix {

std::unique_ptr<SharingProbe> MakeProcSharingProbe(const WinePrefix& prefix);

} // namespace zel::posix
