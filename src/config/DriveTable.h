#pragma once
// Which drives the start-up scan searches for installed programs. Filled once by the drive
// marking and read once by the installation search; the floppy letters are never marked.

#include <array>

namespace zel {

inline constexpr char kSearchMark = 'R';

class DriveTable final {
public:
    // Marks letters "C" to "Z"; any other character is left alone.
    void Mark(char letter);
    [[nodiscard]] bool IsMarked(char letter) const { return Entry(letter) == kSearchMark; }
    // The mark "R", or a zero character for an unmarked or unknown letter.
    [[nodiscard]] char Entry(char letter) const;

private:
    std::array<char, 26> m_entries{};
};

} // namespace zel
