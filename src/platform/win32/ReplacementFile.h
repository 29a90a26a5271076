#pragma once
// Replacing a file whole on Windows: the bytes go to a new file made exclusively
// (CREATE_NEW) beside the target under a name nobody holds, which takes the target's
// attributes and then its place with MoveFileExA, written through, once it is complete.
// Destroyed before Close, it is deleted and the target is as it was.

#include "platform/FileStreams.h"

#include <memory>
#include <string>

namespace zel::win32 {

// Throws IoError when the new file cannot be made; its Close throws when it cannot take the
// target's place (a read-only target among them), and leaves the target as it was.
std::unique_ptr<OutputFile> BeginReplacement(const std::string& target);

} // namespace zel::win32
