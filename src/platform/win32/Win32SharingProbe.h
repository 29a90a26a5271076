#pragma once
// Whether an accounting program still holds a file, the Windows way: the open the program's
// DOS run-time would make is tried with the share mode it asks for, and closed at once. What
// that open read of a file is noted for the stamp that follows it.

#include "platform/ProbedStamp.h"
#include "platform/SharingProbe.h"

#include <memory>

namespace zel::win32 {

std::unique_ptr<SharingProbe> MakeOpeningSharingProbe(std::shared_ptr<ProbedStamp> probed);

} // namespace zel::win32
