#include "platform/win32/Win32Error.h"

#include "platform/win32/Windows.h"

namespace zel::win32 {

IoErrorKind IoErrorKindOf(std::uint32_t error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        return IoErrorKind::FileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return IoErrorKind::PathNotFound;
    case ERROR_INVALID_DRIVE:
    case ERROR_NOT_READY:
    case ERROR_DEV_NOT_EXIST:
        return IoErrorKind::InvalidDrive;
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BAD_PATHNAME:
        return IoErrorKind::InvalidFilename;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return IoErrorKind::FileExists;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return IoErrorKind::DiskFull;
    case ERROR_READ_FAULT:
    case ERROR_CRC:
        return IoErrorKind::ReadError;
    case ERROR_WRITE_FAULT:
    case ERROR_WRITE_PROTECT:
        return IoErrorKind::WriteError;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    default:
        return IoErrorKind::AccessDenied;
    }
}

void ThrowWin32Error(std::uint32_t error, std::string_view path) {
    throw IoError(IoErrorKindOf(error), path, static_cast<int>(error));
}

} // namespace zel::win32
