#include "platform/posix/ProgramLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zel::posix {
namespace {

// One byte past what a DOS program can address, so that no lock the program takes on its
// own file's bytes ever meets it.
constexpr off_t kLockedByte = off_t{1} << 32;

struct flock LockRange(short type) {
    struct flock range {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    range.l_start = kLockedByte;
    range.l_len = 1;
    return range;
}

// Never blocks on a FIFO, never opens a device, never creates the file.
int OpenRegular(const char* path, int flags) {
    struct stat before {};
    if (::stat(path, &before) != 0 || !S_ISREG(before.st_mode)) {
        return -1;
    }
    const int fd = ::open(path, O_RDWR | O_NONBLOCK | O_NOCTTY | flags);
    struct stat opened {};
    if (fd >= 0 && (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

int TakeProgramLock(const char* path, int& error) {
    error = 0;
    const int fd = OpenRegular(path, 0);
    if (fd < 0) {
        return -1;
    }
    struct flock range = LockRange(F_WRLCK);
    if (::fcntl(fd, F_OFD_SETLK, &range) != 0) {
        if (errno == EAGAIN || errno == EACCES) {
            error = EAGAIN;
        }
        ::close(fd);
        return -1;
    }
    return fd;
}

int TakeLockOnOpenFile(int fd) {
    struct flock range = LockRange(F_WRLCK);
    if (::fcntl(fd, F_OFD_SETLK, &range) == 0) {
        return 0;
    }
    return errno == EACCES ? EAGAIN : errno;
}

bool ProgramLockHeld(const std::filesystem::path& path) {
    const int fd = OpenRegular(path.c_str(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct flock range = LockRange(F_WRLCK);
    const bool held = ::fcntl(fd, F_OFD_GETLK, &range) == 0 && range.l_type != F_UNLCK;
    ::close(fd);
    return held;
}

} // namespace zel::posix
