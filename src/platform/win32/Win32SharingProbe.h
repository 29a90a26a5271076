#pragma once
// Whether an accounting program still holds a file, the Windows way: the open the program's
// DOS run-time would make is tried with the share mode it asks for, and closed at once. The
// stamp that open read comes with the answer.

#include "platform/SharingProbe.h"

#include <memory>

namespace zel::win32 {

std::unique_ptr<SharingProbe> MakeOpeningSharingProbe();

} // namespace zel::win32
