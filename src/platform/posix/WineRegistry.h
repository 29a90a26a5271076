#pragma once
// The drive types a Wine prefix keeps in its registry file: the values of "x:" under
// [Software\\Wine\\Drives] in system.reg ("hd", "cdrom", "network", ...). The file of a real
// prefix runs to megabytes with that key near its end, so it is read once.

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace zel::posix {

// By upper-case drive letter; empty where the file or the key is missing or malformed.
std::map<char, std::string> ReadRegistryDriveTypes(const std::filesystem::path& systemReg);
// The same from the text of the file.
std::map<char, std::string> ParseRegistryDriveTypes(std::string_view text);

} // namespace zel::posix
