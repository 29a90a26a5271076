#include "panel/MainWindowDescription.h"

#include "catalogue/ProgramSlot.h"
#include "panel/RowPages.h"
#include "spool/JobGrid.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace zel {
namespace {

std::vector<std::span<const ControlDescription>> AllParts() {
    std::vector<std::span<const ControlDescription>> parts{MainWindowPages()};
    for (std::size_t page = 0; page < kRowPageYears.size(); ++page) {
        parts.push_back(RowPageDescription(page));
    }
    for (const auto part :
         {InstallBoxDescription(), PrintPageDescription(), JobListsDescription()}) {
        parts.push_back(part);
    }
    return parts;
}

const ControlDescription* Find(std::span<const ControlDescription> part, std::string_view name) {
    const auto found = std::find_if(part.begin(), part.end(),
                                    [name](const auto& control) { return control.name == name; });
    return found == part.end() ? nullptr : &*found;
}

// Both faces find a control by its name anywhere in the window, and make each part on the
// panels and boxes it names: a name twice, or a holder that is missing or made later, puts
// a control in the wrong place.
TEST(MainWindowDescription, NamesAreUniqueAndHoldersAreMadeFirst) {
    std::set<std::string_view> names;
    std::map<std::string_view, const ControlDescription*> panels;
    for (const auto part : AllParts()) {
        std::set<std::string_view> made;
        for (const ControlDescription& control : part) {
            EXPECT_TRUE(names.insert(control.name).second) << control.name;
            made.insert(control.name);
            if (control.parent.empty()) {
                continue;
            }
            const ControlDescription* holder = Find(part, control.parent);
            if (holder == nullptr) {
                // A later part lies on a panel an earlier part made.
                ASSERT_TRUE(panels.contains(control.parent)) << control.name;
                holder = panels[control.parent];
            } else {
                EXPECT_TRUE(made.contains(control.parent)) << control.name;
            }
            EXPECT_TRUE(holder->kind == ControlKind::Panel || holder->kind == ControlKind::GroupBox)
                << control.name;
            const ControlRect& rect = control.rect;
            EXPECT_GE(rect.left, 0) << control.name;
            EXPECT_GE(rect.top, 0) << control.name;
            EXPECT_LE(rect.left + std::max(rect.width, 0), holder->rect.width) << control.name;
            EXPECT_LE(rect.top + rect.height, holder->rect.height) << control.name;
        }
        for (const ControlDescription& control : part) {
            if (control.kind == ControlKind::Panel) {
                panels[control.name] = &control;
            }
        }
    }
}

// The choices of a box start with the first of them, which the arrow keys move from, and
// one of them is chosen when the window opens: the install source and the print mode are
// never undecided.
TEST(MainWindowDescription, EachGroupOfChoicesStartsOnceAndHasOneChosen) {
    for (const auto part : AllParts()) {
        std::map<std::string_view, std::vector<const ControlDescription*>> groups;
        for (const ControlDescription& control : part) {
            if (control.kind == ControlKind::RadioButton) {
                groups[control.parent].push_back(&control);
            }
        }
        for (const auto& [box, choices] : groups) {
            EXPECT_TRUE(choices.front()->startsGroup) << box;
            EXPECT_EQ(std::count_if(choices.begin(), choices.end(),
                                    [](const auto* choice) { return choice->startsGroup; }),
                      1)
                << box;
            EXPECT_EQ(std::count_if(choices.begin(), choices.end(),
                                    [](const auto* choice) { return choice->checked; }),
                      1)
                << box;
        }
    }
}

// Alt and a letter reaches one control of a part; a second caption with that letter would
// take it from the first.
TEST(MainWindowDescription, MnemonicsDifferWithinAPart) {
    const auto parts = AllParts();
    // The pages' tabs are chosen before any control: their letters may repeat a control's.
    for (const auto part : std::span(parts).subspan(1)) {
        std::set<char> letters;
        for (const ControlDescription& control : part) {
            const auto mark = control.caption.find('&');
            if (mark == std::string_view::npos || mark + 1 == control.caption.size()) {
                continue;
            }
            const auto letter = static_cast<char>(
                std::toupper(static_cast<unsigned char>(control.caption[mark + 1])));
            EXPECT_TRUE(letters.insert(letter).second) << control.name;
        }
    }
}

// A job grid is made with a column per field of a job; one width short, a face reads past
// the widths it was given.
TEST(MainWindowDescription, JobGridsHaveAWidthPerJobColumn) {
    for (const ControlDescription& control : JobListsDescription()) {
        if (control.kind == ControlKind::Grid) {
            EXPECT_EQ(control.columnWidths.size(), static_cast<std::size_t>(kJobColumns))
                << control.name;
        }
    }
}

// The faces know a row by the name of the control a click, a key or a colour request came
// from: each of its three names leads back to it, and no other control's name to any row.
TEST(MainWindowDescription, ARowsControlNamesLeadBackToItsSlotAndNoOtherNameDoes) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const RowControlNames names = RowControlNamesOf(slot);
        for (const std::string_view name : {names.year, names.drive, names.settings}) {
            EXPECT_EQ(RowSlotOf(name), slot) << name;
        }
    }
    int rowControls = 0;
    for (const auto part : AllParts()) {
        for (const ControlDescription& control : part) {
            rowControls += RowSlotOf(control.name) != 0 ? 1 : 0;
        }
    }
    EXPECT_EQ(rowControls, 3 * kSlotCount) << "a panel, heading or part's control taken for a row";
    for (const std::string_view other : {"", "a97", "A97PATHX", "SA97", "A1997", "C97"}) {
        EXPECT_EQ(RowSlotOf(other), 0) << other;
    }

    // A drive box's edit field is the box's; a row's control on its page is its own.
    const RowControlNames names = RowControlNamesOf(43);
    EXPECT_EQ(RowSlotOfControl("", names.drive), 43);
    EXPECT_EQ(RowSlotOfControl(names.settings, "TabSheet1"), 43);
    EXPECT_EQ(RowSlotOfControl(names.year, RowControlNamesOf(2).drive), 43);
    EXPECT_EQ(RowSlotOfControl("Button5", "Panel4"), 0);
}

// Alt and a tab's letter choose its page before any control on the shown page takes the
// letter; the two earlier years' pages share K, and the first of them has it.
TEST(MainWindowDescription, ATabsMnemonicInEitherCaseChoosesItsPage) {
    EXPECT_EQ(PageOfMnemonic(U'p'), 0u);
    EXPECT_EQ(PageOfMnemonic(U'P'), 0u);
    EXPECT_EQ(PageOfMnemonic(U'k'), 1u);
    EXPECT_EQ(PageOfMnemonic(U'N'), 3u);
    for (const char32_t other : {U'a', U'E', U'&', U'r', U'\u00F6', U'\0'}) {
        EXPECT_EQ(PageOfMnemonic(other), std::nullopt) << static_cast<unsigned>(other);
    }
}

// The faces find a row's controls by the names the row page gives them, and the rows of a
// page must neither overlap nor leave a slot without its row.
TEST(MainWindowDescription, EverySlotHasItsRowOnItsPageOnce) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const RowControlNames names = RowControlNamesOf(slot);
        const auto part = RowPageDescription(RowPageOf(slot));
        for (const std::string_view name : {names.year, names.drive, names.settings}) {
            EXPECT_NE(Find(part, name), nullptr) << slot << " " << name;
        }
    }
    for (std::size_t page = 0; page < kRowPageYears.size(); ++page) {
        const auto part = RowPageDescription(page);
        for (std::size_t i = 0; i < part.size(); ++i) {
            for (std::size_t j = i + 1; j < part.size(); ++j) {
                const ControlRect& a = part[i].rect;
                const ControlRect& b = part[j].rect;
                const bool overlap = part[i].parent == part[j].parent &&
                                     part[i].kind != ControlKind::Label &&
                                     part[j].kind != ControlKind::Label &&
                                     a.left < b.left + b.width && b.left < a.left + a.width &&
                                     a.top < b.top + b.height && b.top < a.top + a.height;
                EXPECT_FALSE(overlap) << part[i].name << " " << part[j].name;
            }
        }
    }
}

} // namespace
} // namespace zel
