#pragma once
// Whether a file opened by a name of a folder is that folder's own entry. Windows shows a
// link as a reparse point, which an open that asks for the point itself never follows; Wine
// shows a host's symbolic link as a plain file and follows it wherever it leads. The path
// the system gives for the open file tells, on both: the folder's own path and the name.

#include "platform/win32/Windows.h"

#include <string>
#include <string_view>

namespace zel::win32 {

// folder is the path the file was opened under, without the name. Where the file system
// gives no such path (some network redirectors), the open's own refusal of reparse points
// has to serve.
[[nodiscard]] bool IsEntryOfFolder(HANDLE file, const std::string& folder, std::string_view name);

} // namespace zel::win32
