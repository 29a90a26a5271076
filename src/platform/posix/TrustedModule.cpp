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

// Root's or this user's, and writable by nobody else: not by others, and by a group only where
// it is this user's own.
bool NobodyElseWrites(const struct stat& st) {
    return (st.st_uid == 0 || st.st_uid == ::geteuid()) && (st.st_mode & S_IWOTH) == 0 &&
           ((st.st_mode & S_IWGRP) == 0 || st.st_gid == ::getegid());
}

// Empty when the module at path was opened into opened. Whoever may write its folder could
// have put it there, unless the folder is root's and keeps each entry to its owner, as /tmp.
std::string TryOpen(const std::string& path, OpenedModule& opened) {
    if (path.empty() || path.front() != '/') {
        return "nem teljes útvonal";
    }
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return std::generic_category().message(errno);
    }
    const std::string file(resolved);
    const std::size_t slash = file.rfind('/');
    const std::string folder = slash == 0 ? "/" : file.substr(0, slash);
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) {
        return std::generic_category().message(errno);
    }
    const bool sticky = st.st_uid == 0 && (st.st_mode & S_ISVTX) != 0;
    if (!NobodyElseWrites(st) && !sticky) {
        return folder + " mappát mások is írhatják";
    }
    if (::stat(file.c_str(), &st) != 0) {
        return std::generic_category().message(errno);
    }
    if (!S_ISREG(st.st_mode) || !NobodyElseWrites(st)) {
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
        opened.refusal.append(path).append(": ").append(refusal);
    }
    return opened;
}

} // namespace zel::posix
