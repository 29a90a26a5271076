#include "platform/posix/FirstDriveMap.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zel::posix {
namespace {

constexpr mode_t kPrivate = 0700;

FirstDriveMap NotMade(int error) {
    return {FirstDriveMap::Outcome::NotMade, error};
}

// A folder just made in a folder only this user can write: nothing can have been put in
// its place, yet it is opened without following a link all the same. Where it is made but
// cannot be opened, it is removed again.
int OpenMadeFolder(int parent, const char* name) {
    if (::mkdirat(parent, name, kPrivate) != 0) {
        return -1;
    }
    const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat st {};
    int error = 0;
    if (fd < 0 || ::fstat(fd, &st) != 0 ||
        (st.st_uid == ::geteuid() && ::fchmod(fd, kPrivate) != 0)) {
        error = errno;
    } else if (st.st_uid != ::geteuid()) {
        error = EPERM;
    } else {
        return fd;
    }
    if (fd >= 0) {
        ::close(fd);
    }
    ::unlinkat(parent, name, AT_REMOVEDIR);
    errno = error;
    return -1;
}

// drive_c and dosdevices/c: in the prefix just made; the system's error, or 0.
int FillPrefix(int prefix) {
    const int driveC = OpenMadeFolder(prefix, "drive_c");
    if (driveC < 0) {
        return errno;
    }
    ::close(driveC);
    const int devices = OpenMadeFolder(prefix, "dosdevices");
    if (devices < 0) {
        const int error = errno;
        ::unlinkat(prefix, "drive_c", AT_REMOVEDIR);
        return error;
    }
    // Relative, as Wine makes it: the prefix can be moved whole.
    const int linked = ::symlinkat("../drive_c", devices, "c:") == 0 ? 0 : errno;
    ::close(devices);
    if (linked != 0) {
        ::unlinkat(prefix, "dosdevices", AT_REMOVEDIR);
        ::unlinkat(prefix, "drive_c", AT_REMOVEDIR);
    }
    return linked;
}

} // namespace

FirstDriveMap MakeFirstDriveMap() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix != nullptr && *prefix != '\0') {
        return {};
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home != '/') {
        return NotMade(ENOENT);
    }
    return MakeFirstDriveMapIn(home);
}

void MakeFirstDriveMapOrSayWhy() {
    if (const FirstDriveMap map = MakeFirstDriveMap();
        map.outcome == FirstDriveMap::Outcome::NotMade) {
        std::fprintf(stderr, "zelpult: ~/.wine: %s\n", std::strerror(map.error));
    }
}

FirstDriveMap MakeFirstDriveMapIn(const std::filesystem::path& home) {
    const int homeFd = ::open(home.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (homeFd < 0) {
        return NotMade(errno);
    }
    // mkdir fails on whatever is there already, a dangling link included.
    const int prefix = OpenMadeFolder(homeFd, ".wine");
    if (prefix < 0) {
        const int error = errno;
        ::close(homeFd);
        return error == EEXIST ? FirstDriveMap{} : NotMade(error);
    }
    const int error = FillPrefix(prefix);
    ::close(prefix);
    if (error != 0) {
        ::unlinkat(homeFd, ".wine", AT_REMOVEDIR);
    }
    ::close(homeFd);
    return error == 0 ? FirstDriveMap{FirstDriveMap::Outcome::Made} : NotMade(error);
}

} // namespace zel::posix
