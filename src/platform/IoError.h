#pragma once
// A failure that must reach the application-wide handler. It carries a kind, which the
// handler tells failures apart by, and the run-time library's text for that kind, which is
// what the user reads.

#include <stdexcept>

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
    explicit IoError(IoErrorKind kind) : std::runtime_error(IoErrorText(kind)), m_kind(kind) {}

    [[nodiscard]] IoErrorKind Kind() const { return m_kind; }

private:
    IoErrorKind m_kind;
};

} // namespace zel
