#pragma once
// What the panel last set on a row whose controls are not made yet. A face makes a row page
// when it is first shown, since most starts never look past the first; until then it keeps
// these, answers the panel from them and hands them to the controls it makes.

#include <string>
#include <vector>

namespace zel {

struct RowRecord {
    std::vector<std::string> entries;
    int chosen = -1;
    bool rowEnabled = false;
    bool driveBoxEnabled = false;

    // What the drive box shows: the chosen entry, or nothing when none is.
    [[nodiscard]] std::string Text() const;
};

} // namespace zel
