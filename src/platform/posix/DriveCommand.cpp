#include "platform/posix/DriveCommand.h"

#include "platform/posix/WinePrefix.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel::posix {
namespace {

constexpr int kFailed = 1;
constexpr int kMisused = 2;

constexpr const char* kUsage = "Használat:\n"
                               "  zelpult --drive BETŰ: MAPPA   a mappa meghajtóbetűt kap\n"
                               "  zelpult --drive BETŰ:         a meghajtóbetű megszűnik\n"
                               "  zelpult --drives              a meghajtók listája\n";

// "F:" or "F", either case, C to Z: the floppy letters are never searched for programs.
std::optional<char> DriveLetterOf(const std::string& text) {
    if (text.empty() || text.size() > 2 || (text.size() == 2 && text[1] != ':')) {
        return std::nullopt;
    }
    const char letter =
        text[0] >= 'a' && text[0] <= 'z' ? static_cast<char>(text[0] - 'a' + 'A') : text[0];
    if (letter < 'C' || letter > 'Z') {
        return std::nullopt;
    }
    return letter;
}

std::string LinkName(char letter) {
    return {static_cast<char>(letter - 'A' + 'a'), ':'};
}

std::string Drive(char letter) {
    return "A(z) " + std::string{letter, ':'} + " meghajtó";
}

// The folder that holds the drive links, opened without following a link; a prefix that has
// never been started gets the letters it was read with until now.
int OpenDevices(const fs::path& prefix) {
    const int root = ::open(prefix.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (root < 0) {
        return -1;
    }
    if (::mkdirat(root, "dosdevices", 0700) == 0) {
        const int made =
            ::openat(root, "dosdevices", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (made >= 0 &&
            (::symlinkat("../drive_c", made, "c:") != 0 || ::symlinkat("/", made, "z:") != 0)) {
            ::close(made);
            ::close(root);
            return -1;
        }
        ::close(root);
        return made;
    }
    const int devices =
        ::openat(root, "dosdevices", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    ::close(root);
    return devices;
}

std::optional<std::string> LinkTarget(int devices, const std::string& name) {
    std::string text(4096, '\0');
    const ssize_t length = ::readlinkat(devices, name.c_str(), text.data(), text.size());
    if (length < 0 || static_cast<std::size_t>(length) >= text.size()) {
        return std::nullopt;
    }
    text.resize(static_cast<std::size_t>(length));
    return text;
}

fs::path FolderOf(const std::string& given) {
    std::error_code ec;
    fs::path folder = fs::absolute(given, ec).lexically_normal();
    if (!folder.has_filename() && folder.has_relative_path()) {
        folder = folder.parent_path();
    }
    return folder;
}

// The map's folder of drive links, or -1 after saying why it cannot be reached.
int OpenDevicesOrSay(const fs::path& prefix, std::ostream& err) {
    const int devices = OpenDevices(prefix);
    if (devices < 0) {
        err << "A(z) \"" << (prefix / "dosdevices").string() << "\" mappa nem érhető el!\n";
    }
    return devices;
}

int Map(const fs::path& prefix, char letter, const std::string& given, std::ostream& err) {
    const fs::path folder = FolderOf(given);
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec)) {
        err << "A(z) \"" << given << "\" mappa nem található!\n";
        return kFailed;
    }
    const int devices = OpenDevicesOrSay(prefix, err);
    if (devices < 0) {
        return kFailed;
    }
    const std::string name = LinkName(letter);
    int result = 0;
    if (::symlinkat(folder.c_str(), devices, name.c_str()) != 0) {
        const int error = errno;
        const fs::path link = prefix / "dosdevices" / name;
        if (error != EEXIST) {
            err << Drive(letter) << " nem állítható be: a(z) \"" << link.string()
                << "\" nem hozható létre!\n";
            result = kFailed;
        } else if (!fs::equivalent(link, folder, ec)) {
            // Only a link can be removed here: anything else in its place is left to its owner.
            if (const auto held = LinkTarget(devices, name)) {
                err << Drive(letter) << " már foglalt (" << *held
                    << ")! Megszüntetése: zelpult --drive " << letter << ":\n";
            } else {
                err << Drive(letter) << " már foglalt!\n";
            }
            result = kFailed;
        }
    }
    ::close(devices);
    return result;
}

int Unmap(const fs::path& prefix, char letter, std::ostream& err) {
    if (letter == 'C') {
        err << "A C: meghajtó nem szüntethető meg: a programok telepítése erre épül!\n";
        return kFailed;
    }
    const int devices = OpenDevicesOrSay(prefix, err);
    if (devices < 0) {
        return kFailed;
    }
    const std::string name = LinkName(letter);
    struct stat st {};
    int result = 0;
    if (::fstatat(devices, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(st.st_mode)) {
        err << Drive(letter) << " nincs beállítva!\n";
        result = kFailed;
    } else if (::unlinkat(devices, name.c_str(), 0) != 0) {
        err << Drive(letter) << " nem szüntethető meg!\n";
        result = kFailed;
    }
    ::close(devices);
    return result;
}

int List(const fs::path& prefix, std::ostream& out) {
    const WinePrefix drives(prefix);
    for (const char letter : drives.Letters()) {
        out << letter << ": " << drives.DriveRoot(letter)->string() << '\n';
    }
    return 0;
}

} // namespace

bool IsDriveCommand(const std::vector<std::string>& arguments) {
    return !arguments.empty() && (arguments[0] == "--drive" || arguments[0] == "--drives");
}

int RunDriveCommand(const fs::path& prefix, const std::vector<std::string>& arguments,
                    std::ostream& out, std::ostream& err) {
    if (arguments.size() == 1 && arguments[0] == "--drives") {
        return List(prefix, out);
    }
    if (arguments.empty() || arguments[0] != "--drive" || arguments.size() < 2 ||
        arguments.size() > 3) {
        err << kUsage;
        return kMisused;
    }
    const auto letter = DriveLetterOf(arguments[1]);
    if (!letter) {
        err << "A(z) \"" << arguments[1]
            << "\" nem használható meghajtóbetűjel! Adjon meg egy betűt C: és Z: között!\n";
        return kMisused;
    }
    return arguments.size() == 3 ? Map(prefix, *letter, arguments[2], err)
                                 : Unmap(prefix, *letter, err);
}

} // namespace zel::posix
