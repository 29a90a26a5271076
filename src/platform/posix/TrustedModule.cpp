#include "platform/posix/TrustedModule.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace zel::posix {
namespace {

bool OwnedSafely(const struct stat& st) {
    return st.st_uid == 0 || st.st_uid == ::geteuid();
}

// A folder whose entries nobody else can replace: nobody else may write it, or, as /tmp, it
// is root's and keeps each entry to its owner.
bool FolderSafe(const struct stat& st) {
    return OwnedSafely(st) && ((st.st_mode & (S_IWGRP | S_IWOTH)) == 0 ||
                               (st.st_uid == 0 && (st.st_mode & S_ISVTX) != 0));
}

// Empty when the module at path was opened into opened. Every folder on the way to the file
// is checked, as whoever may replace one of them chooses what is opened.
std::string TryOpen(const std::string& path, OpenedModule& opened) {
    if (path.empty() || path.front() != '/') {
        return "nem teljes útvonal";
    }
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return std::generic_category().message(errno);
    }
    const std::string file(resolved);
    struct stat st {};
    for (std::size_t slash = 0; slash != std::string::npos; slash = file.find('/', slash + 1)) {
        const std::string folder = slash == 0 ? "/" : file.substr(0, slash);
        if (::stat(folder.c_str(), &st) != 0) {
            return std::generic_category().message(errno);
        }
        if (!FolderSafe(st)) {
            return folder + " mappát mások is írhatják";
        }
    }
    if (::stat(file.c_str(), &st) != 0) {
        return std::generic_category().message(errno);
    }
    if (!S_ISREG(st.st_mode) || !OwnedSafely(st) || (st.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return "mások is írhatják, vagy nem közönséges fájl";
    }
    opened.handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (opened.handle == nullptr) {
        const char* error = ::dlerror();
        return error != nullptr ? error : "nem tölthető be";
    }
    return {};
}

} // namespace

OpenedModule OpenTrustedModule(const std::vector<std::string>& candidates) {
    OpenedModule opened;
    for (const std::string& path : candidates) {
        const std::string refusal = TryOpen(path, opened);
        if (refusal.empty()) {
            opened.refusal.clear();
            return opened;
        }
        if (!opened.refusal.empty()) {
            opened.refusal += "; ";
        }
        opened.refusal += path + ": " + refusal;
    }
    return opened;
}

} // namespace zel::posix
