#include "platform/posix/WinePrefix.h"

#include "platform/posix/WineRegistry.h"
#include "text/AsciiUpper.h"
#include "text/CodePage1250.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel::posix {
namespace {

// Most names are plain ASCII, the same in both encodings: a folder of a thousand lists is
// converted at every spool tick.
bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

// The entry of folder named like name: the exact name first, else one equal in ASCII case;
// nothing when there is neither. A spool folder holds a thousand names, read here for every
// name that is not there, so they are compared as the folder gives them.
std::optional<fs::path> FindEntry(const fs::path& folder, const std::string& name) {
    fs::path exact = folder / name;
    struct stat st {};
    if (::lstat(exact.c_str(), &st) == 0) {
        return exact;
    }
    DIR* entries = ::opendir(folder.c_str());
    if (entries == nullptr) {
        return std::nullopt;
    }
    std::optional<fs::path> found;
    while (const dirent* entry = ::readdir(entries)) {
        const std::string_view entryName = entry->d_name;
        if (entryName != "." && entryName != ".." && EqualsIgnoringAsciiCase(entryName, name)) {
            found = folder / entryName;
            break;
        }
    }
    ::closedir(entries);
    return found;
}

// The next name of a DOS path's rest, taken off it. Windows parts names at either slash, and
// a "/" left inside a name would part it again on the host, where ".." could climb past the
// drive's root.
std::string_view NextName(std::string_view& rest) {
    const auto slash = rest.find_first_of("\\/");
    const std::string_view part = rest.substr(0, slash);
    rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
    return part;
}

// The path as spelt: when an entry of that spelling exists, every name in it is the exact
// match that the case-insensitive look-up takes first. A text, not a path: a path is taken
// apart into its names whenever it is made or added to.
std::optional<std::string> SpeltUnder(const fs::path& root, std::string_view rest) {
    std::string native = root.native();
    while (!rest.empty()) {
        const std::string_view part = NextName(rest);
        if (part == "." || part == "..") {
            return std::nullopt;
        }
        if (!part.empty()) {
            if (native.empty() || native.back() != '/') {
                native += '/';
            }
            native += DosNameToNative(part);
        }
    }
    return native;
}

// What the link at path holds; nothing when path is no link, and an error when it is missing.
// One call answers both, where asking first whether it is a link takes two more.
std::optional<fs::path> LinkText(const fs::path& path, std::error_code& error) {
    std::array<char, PATH_MAX> text{};
    const ssize_t length = ::readlink(path.c_str(), text.data(), text.size());
    if (length >= 0 && static_cast<std::size_t>(length) < text.size()) {
        error.clear();
        return fs::path(std::string(text.data(), static_cast<std::size_t>(length)));
    }
    if (length < 0 && errno == EINVAL) {
        error.clear();
    } else {
        error = std::error_code(length < 0 ? errno : ENAMETOOLONG, std::generic_category());
    }
    return std::nullopt;
}

// fs::canonical, with the folder that holds the last name taken from resolved when it has
// been resolved before; a last name that is a link is followed, as far as the system would.
fs::path CanonicalVia(std::map<fs::path, fs::path>& resolved, const fs::path& path,
                      std::error_code& error, int linksLeft = 40) {
    const fs::path name = path.filename();
    if (name.empty() || name == "." || name == ".." || !path.has_parent_path() || linksLeft == 0) {
        return fs::canonical(path, error);
    }
    auto folder = resolved.find(path.parent_path());
    if (folder == resolved.end()) {
        fs::path real = fs::canonical(path.parent_path(), error);
        if (error) {
            return {};
        }
        folder = resolved.emplace(path.parent_path(), std::move(real)).first;
    }
    fs::path joined = folder->second / name;
    const auto link = LinkText(joined, error);
    if (error) {
        return {};
    }
    if (!link) {
        return joined;
    }
    const fs::path target = link->is_absolute() ? *link : folder->second / *link;
    return CanonicalVia(resolved, target, error, linksLeft - 1);
}

} // namespace

fs::path DefaultPrefix() {
    if (const char* env = std::getenv("WINEPREFIX"); env != nullptr && *env != '\0') {
        return fs::path(env);
    }
    const char* home = std::getenv("HOME");
    return fs::path(home != nullptr ? home : "/") / ".wine";
}

WinePrefix::WinePrefix() : WinePrefix(DefaultPrefix()) {}

WinePrefix::WinePrefix(fs::path prefix)
    : m_prefix(std::move(prefix)),
      m_registryDriveTypes(ReadRegistryDriveTypes(m_prefix / "system.reg")) {
    ReadDrives();
}

std::optional<std::string> WinePrefix::RegistryDriveType(char letter) const {
    const auto found = m_registryDriveTypes.find(AsciiUpper(letter));
    if (found == m_registryDriveTypes.end()) {
        return std::nullopt;
    }
    return found->second;
}

void WinePrefix::ReadDrives() {
    std::error_code ec;
    const fs::path devices = m_prefix / "dosdevices";
    // The drives' links lead into the same few folders: each folder is resolved once, not
    // once for every letter.
    std::map<fs::path, fs::path> resolved;
    auto add = [this, &resolved](char letter, const fs::path& target) {
        std::error_code error;
        const fs::path root = CanonicalVia(resolved, target, error);
        if (!error && fs::is_directory(root, error)) {
            m_drives.push_back({letter, root});
        }
    };
    if (!fs::is_directory(devices, ec)) {
        // A prefix that was never started: the layout Wine makes first.
        add('C', m_prefix / "drive_c");
        add('Z', "/");
        return;
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const char lower = static_cast<char>(letter - 'A' + 'a');
        add(letter, devices / (std::string(1, lower) + ":"));
    }
}

std::vector<char> WinePrefix::Letters() const {
    std::vector<char> letters;
    for (const auto& drive : m_drives) {
        letters.push_back(drive.letter);
    }
    return letters;
}

std::optional<fs::path> WinePrefix::DriveRoot(char letter) const {
    const char upper = AsciiUpper(letter);
    const auto found = std::find_if(m_drives.begin(), m_drives.end(),
                                    [upper](const Drive& d) { return d.letter == upper; });
    if (found == m_drives.end()) {
        return std::nullopt;
    }
    return found->root;
}

std::optional<std::string> WinePrefix::Spelt(std::string_view dosPath) const {
    if (dosPath.size() < 2 || dosPath[1] != ':') {
        return std::nullopt;
    }
    const char upper = AsciiUpper(dosPath[0]);
    for (const auto& drive : m_drives) {
        if (drive.letter == upper) {
            return SpeltUnder(drive.root, dosPath.substr(2));
        }
    }
    return std::nullopt;
}

std::optional<fs::path> WinePrefix::ToNative(std::string_view dosPath) const {
    if (dosPath.size() < 2 || dosPath[1] != ':') {
        return std::nullopt;
    }
    auto root = DriveRoot(dosPath[0]);
    if (!root) {
        return std::nullopt;
    }
    std::string_view rest = dosPath.substr(2);
    struct stat st {};
    // One call answers for every name of the path when it is spelt as it lies on the disk.
    if (auto spelt = SpeltUnder(*root, rest); spelt && ::lstat(spelt->c_str(), &st) == 0) {
        return fs::path(std::move(*spelt));
    }
    fs::path native = *root;
    bool exists = true;
    while (!rest.empty()) {
        const std::string_view part = NextName(rest);
        if (part.empty() || part == ".") {
            continue;
        }
        if (part == "..") {
            // As in DOS, the root is its own parent: nothing leads above a drive.
            if (native != *root) {
                native = native.parent_path();
            }
            continue;
        }
        const std::string name = DosNameToNative(part);
        const auto found = exists ? FindEntry(native, name) : std::nullopt;
        exists = found.has_value();
        native = found ? *found : native / name;
    }
    return native;
}

std::optional<std::string> WinePrefix::ToDos(const fs::path& native) const {
    std::error_code ec;
    fs::path path = fs::weakly_canonical(native, ec);
    if (ec) {
        path = native;
    }
    const Drive* best = nullptr;
    std::size_t bestDepth = 0;
    for (const auto& drive : m_drives) {
        auto [rootEnd, pathIt] =
            std::mismatch(drive.root.begin(), drive.root.end(), path.begin(), path.end());
        if (rootEnd != drive.root.end()) {
            continue;
        }
        const auto depth =
            static_cast<std::size_t>(std::distance(drive.root.begin(), drive.root.end()));
        if (best == nullptr || depth > bestDepth) {
            best = &drive;
            bestDepth = depth;
        }
    }
    if (best == nullptr) {
        return std::nullopt;
    }
    std::string dos{best->letter, ':'};
    auto it = path.begin();
    std::advance(it, static_cast<std::ptrdiff_t>(bestDepth));
    for (; it != path.end(); ++it) {
        const std::string part = it->string();
        if (part.empty() || part == "/") {
            continue;
        }
        dos += '\\';
        dos += NativeNameToDos(part);
    }
    if (dos.size() == 2) {
        dos += '\\';
    }
    return dos;
}

std::string NativeNameToDos(std::string_view utf8) {
    return IsAscii(utf8) ? std::string(utf8) : Utf8ToCp1250(utf8);
}

std::string DosNameToNative(std::string_view cp1250) {
    return IsAscii(cp1250) ? std::string(cp1250) : Cp1250ToUtf8(cp1250);
}

} // namespace zel::posix
