#pragma once
// Drive letters on a POSIX system, the way the Windows compatibility layer lays them out,
// so that a user sees the same letters in every tool: each drive is a link
// "dosdevices/x:" in the prefix ($WINEPREFIX, else ~/.wine) to the drive's root folder.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zel::posix {

class WinePrefix final {
public:
    // Reads the environment and the prefix's drive links once.
    WinePrefix();
    explicit WinePrefix(std::filesystem::path prefix);

    [[nodiscard]] const std::filesystem::path& Root() const { return m_prefix; }
    // Present drive letters, upper case, in order.
    [[nodiscard]] std::vector<char> Letters() const;
    // The native root of a drive, resolved; empty when the letter is not mapped or its link
    // leads nowhere.
    [[nodiscard]] std::optional<std::filesystem::path> DriveRoot(char letter) const;

    // "C:\Zelkonyv.97\a97.exe" to the native path, each name found in ASCII case-insensitive
    // comparison; a name that does not exist keeps the spelling given. Either slash parts
    // names, and ".." at the drive's root stays there, as in DOS: no path leads above the
    // drive. Nothing for a drive that is not mapped, or a path that is not absolute.
    [[nodiscard]] std::optional<std::filesystem::path> ToNative(std::string_view dosPath) const;
    // The native path as the DOS path spells it, not looked up: what ToNative gives whenever
    // an entry of exactly that spelling exists. Nothing where ToNative gives nothing, nor for
    // a path holding "." or "..".
    [[nodiscard]] std::optional<std::string> Spelt(std::string_view dosPath) const;
    // The drive's type as the prefix's registry names it ("hd", "cdrom", ...), if it does.
    [[nodiscard]] std::optional<std::string> RegistryDriveType(char letter) const;

    // A native path to the DOS path on the drive whose root holds it most closely.
    [[nodiscard]] std::optional<std::string> ToDos(const std::filesystem::path& native) const;

private:
    struct Drive {
        char letter;
        std::filesystem::path root; // canonical
    };
    void ReadDrives();

    std::filesystem::path m_prefix;
    std::vector<Drive> m_drives;
    std::map<char, std::string> m_registryDriveTypes;
};

// $WINEPREFIX, else ~/.wine.
std::filesystem::path DefaultPrefix();

// A native name (UTF-8) as a DOS name (code page 1250), and back.
std::string NativeNameToDos(std::string_view utf8);
std::string DosNameToNative(std::string_view cp1250);

} // namespace zel::posix
