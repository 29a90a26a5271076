#include "platform/posix/FirstDriveMap.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zel::posix {
namespace {

constexpr mode_t kPrivate = 0700;

// A folder just made in a folder only this user can write: nothing can have been put in
// its place, yet it is opened without following a link all the same.
int OpenMadeFolder(int parent, const char* name) {
    if (::mkdirat(parent, name, kPrivate) != 0) {
        return -1;
    }
    const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 &&
        (::fstat(fd, &st) != 0 || st.st_uid != ::geteuid() || ::fchmod(fd, kPrivate) != 0)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

bool MakeFirstDriveMap() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix != nullptr && *prefix != '\0') {
        return false;
    }
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home != '/') {
        return false;
    }
    return MakeFirstDriveMapIn(home);
}

bool MakeFirstDriveMapIn(const std::filesystem::path& home) {
    const int homeFd = ::open(home.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (homeFd < 0) {
        return false;
    }
    // mkdir fails on whatever is there already, a dangling link included.
    const int prefix = OpenMadeFolder(homeFd, ".wine");
    ::close(homeFd);
    if (prefix < 0) {
        return false;
    }
    bool made = false;
    if (const int driveC = OpenMadeFolder(prefix, "drive_c"); driveC >= 0) {
        ::close(driveC);
        if (const int devices = OpenMadeFolder(prefix, "dosdevices"); devices >= 0) {
            // Relative, as Wine makes it: the prefix can be moved whole.
            made = ::symlinkat("../drive_c", devices, "c:") == 0;
            ::close(devices);
        }
    }
    ::close(prefix);
    return made;
}

} // namespace zel::posix
