#include "platform/posix/ErrnoText.h"

#include <cerrno>

namespace zel::posix {

const char* ErrnoText(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
        return io_text::kAccessDenied;
    case ENOENT:
        return io_text::kFileNotFound;
    case ENOTDIR:
        return io_text::kPathNotFound;
    case ENOSPC:
    case EDQUOT:
        return io_text::kDiskFull;
    case ENAMETOOLONG:
    case EILSEQ:
    case EINVAL:
        return io_text::kInvalidFilename;
    case ENXIO:
    case ENODEV:
        return io_text::kInvalidDrive;
    default:
        return io_text::kWriteError;
    }
}

void ThrowErrno(int error) {
    throw IoError(ErrnoText(error));
}

} // namespace zel::posix
