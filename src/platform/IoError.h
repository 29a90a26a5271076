#pragma once
// A failure that must reach the application-wide handler. It carries the run-time library's
// own text, because the handler tells the failures apart by that text alone.

#include <stdexcept>
#include <string>

namespace zel {

namespace io_text {
inline constexpr const char* kInvalidFilename = "Invalid filename";
inline constexpr const char* kInvalidDrive = "Invalid drive";
inline constexpr const char* kAccessDenied = "File access denied";
inline constexpr const char* kFileNotFound = "File not found";
inline constexpr const char* kPathNotFound = "Path not found";
inline constexpr const char* kDiskFull = "Disk full";
inline constexpr const char* kReadError = "Disk read error";
inline constexpr const char* kWriteError = "Disk write error";
} // namespace io_text

class IoError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace zel
