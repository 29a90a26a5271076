#include "platform/posix/ErrnoText.h"

#include <cerrno>

namespace zel::posix {

IoErrorKind ErrnoKind(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
        return IoErrorKind::AccessDenied;
    case ENOENT:
        return IoErrorKind::FileNotFound;
    case ENOTDIR:
        return IoErrorKind::PathNotFound;
    case EEXIST:
        return IoErrorKind::FileExists;
    case ENOSPC:
    case EDQUOT:
        return IoErrorKind::DiskFull;
    case ENAMETOOLONG:
    case EILSEQ:
    case EINVAL:
        return IoErrorKind::InvalidFilename;
    case ENXIO:
    case ENODEV:
        return IoErrorKind::InvalidDrive;
    default:
        return IoErrorKind::WriteError;
    }
}

void ThrowErrno(int error, std::string_view path) {
    throw IoError(ErrnoKind(error), path, error);
}

} // namespace zel::posix
