#pragma once
// A failure that must reach the application-wide handler. It carries a kind, which the
// handler tells failures apart by, and the run-time library's text for that kind, which is
// what the user reads; beside them the path and the system's own error, for whoever has to
// find out what went wrong where.

#include <stdexcept>
#include <string>
#include <string_view>

namespace zel {

enum class IoErrorKind {
    InvalidFilename,
    InvalidDrive,
    AccessDenied,
    FileNotFound,
    PathNotFound,
    FileExists,
    DiskFull,
    ReadError,
    WriteError,
};

// "Invalid filename", "File access denied" ...
[[nodiscard]] const char* IoErrorText(IoErrorKind kind);

class IoError final : public std::runtime_error {
public:
    // path: the one the failed operation was given, a DOS path where the caller named one;
    // systemError: errno, or GetLastError on Windows; 0 where no system call failed.
    explicit IoError(IoErrorKind kind, std::string_view path = {}, int systemError = 0)
        : std::runtime_error(IoErrorText(kind)), m_kind(kind), m_path(path),
          m_systemError(systemError) {}

    [[nodiscard]] IoErrorKind Kind() const { return m_kind; }
    [[nodiscard]] const std::string& Path() const { return m_path; }
    [[nodiscard]] int SystemError() const { return m_systemError; }

private:
    IoErrorKind m_kind;
    std::string m_path;
    int m_systemError;
};

} // namespace zel
