#include "platform/IoError.h"

namespace zel {

const char* IoErrorText(IoErrorKind kind) {
    switch (kind) {
    case IoErrorKind::InvalidFilename:
        return "Invalid filename";
    case IoErrorKind::InvalidDrive:
        return "Invalid drive";
    case IoErrorKind::AccessDenied:
        return "File access denied";
    case IoErrorKind::FileNotFound:
        return "File not found";
    case IoErrorKind::PathNotFound:
        return "Path not found";
    case IoErrorKind::FileExists:
        return "File exists";
    case IoErrorKind::DiskFull:
        return "Disk full";
    case IoErrorKind::ReadError:
        return "Disk read error";
    case IoErrorKind::WriteError:
        break;
    }
    return "Disk write error";
}

} // namespace zel
