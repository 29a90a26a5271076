#include "platform/posix/DesktopShortcuts.h"

#include "platform/posix/ReplacementFile.h"
#include "text/AsciiUpper.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace zel::posix {
namespace {

constexpr const char* kEntryName = "ZELKOR Indítópult";
const fs::path kCommonDataHome = "/usr/local/share";
const fs::path kCommonConfigHome = "/etc/xdg";

fs::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/') {
        return home;
    }
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_dir != nullptr ? fs::path(user->pw_dir) : fs::path("/");
}

// A relative value in an XDG variable is invalid and must be ignored.
fs::path XdgFolder(const char* variable, const fs::path& fallback) {
    if (const char* value = std::getenv(variable); value != nullptr && *value == '/') {
        return value;
    }
    return fallback;
}

fs::path UserDataHome() {
    return XdgFolder("XDG_DATA_HOME", HomeFolder() / ".local" / "share");
}

fs::path UserConfigHome() {
    return XdgFolder("XDG_CONFIG_HOME", HomeFolder() / ".config");
}

bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec);
}

// XDG_DESKTOP_DIR="$HOME/Desktop" in user-dirs.dirs: a path under $HOME or an absolute one,
// quoted, with backslash escapes.
std::optional<fs::path> DesktopFromUserDirs(std::string_view line) {
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos || !line.substr(start).starts_with("XDG_DESKTOP_DIR")) {
        return std::nullopt;
    }
    line.remove_prefix(start + std::string_view("XDG_DESKTOP_DIR").size());
    line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
    if (!line.starts_with('=')) {
        return std::nullopt;
    }
    line.remove_prefix(1);
    line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
    if (!line.starts_with('"')) {
        return std::nullopt;
    }
    line.remove_prefix(1);
    std::string value;
    const bool underHome = line.starts_with("$HOME");
    if (underHome) {
        line.remove_prefix(5);
        if (!line.starts_with('/') && !line.starts_with('"')) {
            return std::nullopt;
        }
    } else if (!line.starts_with('/')) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            ++i;
        }
        value += line[i];
    }
    if (!underHome) {
        return fs::path(value);
    }
    std::string_view relative(value);
    relative.remove_prefix(std::min(relative.find_first_not_of('/'), relative.size()));
    return HomeFolder() / relative;
}

// The desktop as the user's folder settings name it; a desktop set to the home folder itself
// means the user wants none.
std::optional<fs::path> UserDesktopFolder() {
    fs::path desktop = HomeFolder() / "Desktop";
    std::ifstream in(UserConfigHome() / "user-dirs.dirs");
    for (std::string line; std::getline(in, line);) {
        if (auto named = DesktopFromUserDirs(line)) {
            desktop = std::move(*named);
        }
    }
    if (SameFolder(desktop, HomeFolder())) {
        return std::nullopt;
    }
    return desktop;
}

std::string ExistingFolder(const fs::path& native) {
    std::error_code ec;
    return fs::is_directory(native, ec) ? native.string() : std::string{};
}

bool IsApplicationsFolder(const fs::path& folder) {
    return folder.filename() == "applications";
}

// Values of string type escape backslashes and control characters.
std::string EscapeValue(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string EscapeXml(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string AsciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

fs::path EntryPathOf(const fs::path& link) {
    fs::path entry = link;
    if (AsciiUpper(link.extension().string()) == ".LNK") {
        entry.replace_extension(".desktop");
    } else {
        entry += ".desktop";
    }
    return entry;
}

bool IsDefaultPrefix(const WinePrefix& prefix) {
    return SameFolder(prefix.Root(), HomeFolder() / ".wine");
}

std::string DesktopEntryText(const WinePrefix& prefix, const fs::path& target,
                             const std::optional<fs::path>& workingFolder) {
    // The launcher finds its drives through the prefix, so it must start in this one.
    std::string exec;
    if (!IsDefaultPrefix(prefix)) {
        exec = "env " + DesktopExecArgument("WINEPREFIX=" + fs::absolute(prefix.Root()).string()) +
               " ";
    }
    exec += DesktopExecArgument(target.string());
    std::string text = "[Desktop Entry]\nType=Application\nVersion=1.4\nName=";
    text += kEntryName;
    text += "\nExec=" + EscapeValue(exec) + "\n";
    if (workingFolder) {
        text += "Path=" + EscapeValue(workingFolder->string()) + "\n";
    }
    text += "Terminal=false\nCategories=Office;Finance;\n";
    return text;
}

// Desktops start only entries the user has trusted; gio marks ours so, where it exists.
void MarkTrusted(const fs::path& entry) {
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) {
        return;
    }
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY,
                                         0);
    }
    std::string program = "gio";
    std::string command = "set";
    std::string file = entry.string();
    std::string key = "metadata::trusted";
    std::string value = "true";
    char* argv[] = {program.data(), command.data(), file.data(), key.data(), value.data(), nullptr};
    pid_t child = 0;
    const int spawned = ::posix_spawnp(&child, "gio", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return;
    }
    // A session without its message bus can leave gio waiting; it is not worth a hang.
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (::waitpid(child, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            return;
        }
        std::this_thread::sleep_for(10ms);
    }
}

fs::path MenuFolderFor(const fs::path& dataHome) {
    const fs::path config =
        SameFolder(dataHome, UserDataHome()) ? UserConfigHome() : kCommonConfigHome;
    return config / "menus" / "applications-merged";
}

// The submenu of a program group lists the group's entries by their desktop file ids
// ("ZELKOR-Zelkor.desktop"); an emptied group takes its menu files with it.
void RefreshGroupMenu(const fs::path& group) {
    const fs::path dataHome = group.parent_path().parent_path();
    const std::string groupName = group.filename().string();
    const std::string stem = AsciiLower(groupName);
    const fs::path menu = MenuFolderFor(dataHome) / (stem + ".menu");
    const fs::path directory = dataHome / "desktop-directories" / (stem + ".directory");

    std::vector<std::string> entries;
    std::error_code ec;
    for (fs::directory_iterator it(group, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().extension() == ".desktop") {
            entries.push_back(groupName + "-" + it->path().filename().string());
        }
    }
    if (entries.empty()) {
        fs::remove(menu, ec);
        fs::remove(directory, ec);
        return;
    }
    std::sort(entries.begin(), entries.end());
    std::string text = "<Menu>\n  <Name>Applications</Name>\n  <Menu>\n    <Name>" +
                       EscapeXml(groupName) + "</Name>\n    <Directory>" +
                       EscapeXml(directory.filename().string()) + "</Directory>\n    <Include>\n";
    for (const auto& id : entries) {
        text += "      <Filename>" + EscapeXml(id) + "</Filename>\n";
    }
    text += "    </Include>\n  </Menu>\n</Menu>\n";
    fs::create_directories(menu.parent_path(), ec);
    fs::create_directories(directory.parent_path(), ec);
    // Without the menu files the shortcut still works; a menu only groups it.
    (void)ReplaceNativeFile(
        directory,
        "[Desktop Entry]\nType=Directory\nVersion=1.4\nName=" + EscapeValue(groupName) + "\n",
        0644);
    (void)ReplaceNativeFile(menu, text, 0644);
}

bool IsProgramGroup(const fs::path& folder) {
    return !IsApplicationsFolder(folder) && IsApplicationsFolder(folder.parent_path());
}

} // namespace

std::string DesktopExecArgument(std::string_view argument) {
    std::string quoted;
    bool needsQuotes = argument.empty();
    for (const char c : argument) {
        if (std::string_view(" \t\n\"'\\><~|&;$*?#()`").find(c) != std::string_view::npos) {
            needsQuotes = true;
        }
        if (std::string_view("\"`$\\").find(c) != std::string_view::npos) {
            quoted += '\\';
        }
        quoted += c;
        if (c == '%') {
            quoted += '%';
        }
    }
    if (!needsQuotes) {
        return quoted;
    }
    return "\"" + quoted + "\"";
}

std::string ShortcutFolderOf(ShortcutFolderKind kind) {
    switch (kind) {
    case ShortcutFolderKind::CommonPrograms: {
        const fs::path folder = kCommonDataHome / "applications";
        return ::access(folder.c_str(), W_OK | X_OK) == 0 ? ExistingFolder(folder) : std::string{};
    }
    case ShortcutFolderKind::UserPrograms: {
        // Made as the first program that installs a menu entry would make it.
        const fs::path folder = UserDataHome() / "applications";
        std::error_code ec;
        fs::create_directories(folder, ec);
        return ExistingFolder(folder);
    }
    case ShortcutFolderKind::CommonDesktop:
        return {};
    case ShortcutFolderKind::UserDesktop: {
        const auto folder = UserDesktopFolder();
        return folder ? ExistingFolder(*folder) : std::string{};
    }
    }
    return {};
}

ShortcutResult CreateDesktopEntry(const WinePrefix& prefix, const ShortcutPlace& place,
                                  std::string_view target, std::string_view workingDirectory) {
    const auto targetPath = prefix.ToNative(target);
    if (!targetPath) {
        return ShortcutResult::LinkFailed;
    }
    fs::path folder = place.folder;
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec)) {
        return ShortcutResult::NoFolder;
    }
    if (!place.group.empty()) {
        folder /= DosNameToNative(place.group);
        if (!fs::is_directory(folder, ec) && ::mkdir(folder.c_str(), 0777) != 0) {
            return ShortcutResult::GroupFailed;
        }
    }
    const fs::path entry = EntryPathOf(folder / DosNameToNative(place.linkName));
    const bool inMenu = IsApplicationsFolder(folder) || IsProgramGroup(folder);
    if (!ReplaceNativeFile(entry,
                           DesktopEntryText(prefix, *targetPath, prefix.ToNative(workingDirectory)),
                           inMenu ? 0644 : 0755)) {
        return ShortcutResult::LinkFailed;
    }
    if (IsProgramGroup(folder)) {
        RefreshGroupMenu(folder);
    } else if (!inMenu) {
        MarkTrusted(entry);
    }
    return ShortcutResult::Made;
}

bool DeleteDesktopEntry(const ShortcutPlace& place) {
    fs::path folder = place.folder;
    if (!place.group.empty()) {
        folder /= DosNameToNative(place.group);
    }
    const fs::path entry = EntryPathOf(folder / DosNameToNative(place.linkName));
    if (::unlink(entry.c_str()) != 0) {
        return false;
    }
    if (IsProgramGroup(folder)) {
        RefreshGroupMenu(folder);
    }
    return true;
}

} // namespace zel::posix
