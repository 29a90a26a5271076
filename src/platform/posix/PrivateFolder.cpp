#include "platform/posix/PrivateFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <string>
#include <unistd.h>

namespace zel::posix {
namespace {

// Every entry of the open folder fd and of the folders below it, never through a link; closes fd.
void EmptyFolder(int fd) {
    DIR* folder = ::fdopendir(fd);
    if (folder == nullptr) {
        ::close(fd);
        return;
    }
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        if (::unlinkat(fd, name.c_str(), 0) == 0) {
            continue;
        }
        const int below =
            ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (below >= 0) {
            EmptyFolder(below);
            ::unlinkat(fd, name.c_str(), AT_REMOVEDIR);
        }
    }
    ::closedir(folder);
}

} // namespace

std::unique_ptr<PrivateFolder> PrivateFolder::Make(std::string_view stem) {
    std::error_code ec;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(ec);
    if (ec) {
        return nullptr;
    }
    // mkdtemp makes it new, for the user alone.
    std::string pattern = (temporary / (std::string(stem) + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<PrivateFolder>(new PrivateFolder(pattern));
}

PrivateFolder::~PrivateFolder() {
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0) {
        EmptyFolder(fd);
    }
    ::rmdir(m_path.c_str());
}

} // namespace zel::posix
