#pragma once
// Pieces of DOS paths ("C:\ZELKONYV.97\A97.EXE"), as every module forms them.

#include <string>
#include <string_view>

namespace zel {

// A DOS path as one value: joined, split and asked for its drive without gluing strings
// by hand. The bytes inside are code page 1250, exactly what the files and programs see.
class DosPath final {
public:
    DosPath() = default;
    explicit DosPath(std::string text) : m_text(std::move(text)) {}

    // "C:\ZELKOR" / "ZELPULT.INI" is "C:\ZELKOR\ZELPULT.INI"; a folder that already ends
    // in a backslash ("C:\") gets no second one, and an empty one gives the name alone.
    [[nodiscard]] DosPath operator/(std::string_view name) const;
    // The folder that holds this path, without a closing backslash but for a root ("C:\").
    [[nodiscard]] DosPath Parent() const;
    [[nodiscard]] std::string_view FileName() const;
    // The drive letter as written, or '\0' for a path without one.
    [[nodiscard]] char DriveLetter() const;

    [[nodiscard]] const std::string& Text() const { return m_text; }
    [[nodiscard]] bool Empty() const { return m_text.empty(); }
    // Every platform call takes DOS paths as text.
    operator std::string_view() const noexcept { return m_text; }

    friend bool operator==(const DosPath&, const DosPath&) = default;

private:
    std::string m_text;
};

// Everything up to and including the last backslash; empty when there is none.
std::string_view DirectoryPart(std::string_view dosPath);
// Everything after the last backslash; the whole text when there is none.
std::string_view FileNamePart(std::string_view dosPath);
// The text with its last three characters replaced, as "A97.EXE" becomes "A97.PIF".
std::string ReplaceLastThree(std::string_view text, std::string_view replacement);
// Whether name is one plain name of a folder, one that no file system can take for anything
// but an entry of that very folder: not empty, no separator of either kind, no drive or
// stream colon, no wildcard, no control character, not "." or "..", no trailing dot or blank
// (Windows drops them, so the name would lead to another entry), and no DOS device name
// ("PRN", "nul.txt", "COM1 .A17"), which Windows opens as the device wherever it stands.
[[nodiscard]] bool IsPlainFileName(std::string_view name);
// The index 0 to 25 of a drive letter "A" to "Z"; -1 for any other character, lower case
// included, so that nothing else ever indexes a per-drive table.
int DriveIndex(char c);

} // namespace zel
