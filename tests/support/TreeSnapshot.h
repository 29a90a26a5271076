#pragma once
// What a folder holds, as a text that changes whenever anything in it changes, for tests
// that something was left alone.

#include "support/TempDir.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <sys/stat.h>

namespace zel::test {

// Everything a folder holds, as it lies: names, kinds, permission bits, link texts, bytes and
// modification times.
inline std::string Snapshot(const std::filesystem::path& folder) {
    std::ostringstream out;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        struct stat st {};
        ::lstat(entry.path().c_str(), &st);
        out << std::filesystem::relative(entry.path(), folder).string() << ' ' << std::oct
            << st.st_mode << std::dec << ' ' << st.st_mtim.tv_sec << '.' << st.st_mtim.tv_nsec;
        if (S_ISLNK(st.st_mode)) {
            out << " -> " << std::filesystem::read_symlink(entry.path()).string();
        } else if (S_ISREG(st.st_mode)) {
            out << " = " << ReadNativeFile(entry.path());
        }
        out << '\n';
    }
    return out.str();
}

} // namespace zel::test
