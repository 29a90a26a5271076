#include "panel/WindowDescription.h"

#include "panel/WindowDescriptions.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace zel {
namespace {

std::vector<const WindowDescription*> AllWindows() {
    return {&ProgressWindowDescription(), &MessageDialogDescription(), &SettingsDialogDescription(),
            &SelfInstallWindowDescription()};
}

const ControlDescription* Find(const WindowDescription& window, std::string_view name) {
    for (const ControlDescription& control : window.controls) {
        if (control.name == name) {
            return &control;
        }
    }
    return nullptr;
}

// Both faces find controls by name and place them on their panels: a name twice, a panel
// named before it is made or one that is not a panel would put a control in the wrong place.
TEST(WindowDescriptions, NamesAreUniqueAndParentsArePanelsMadeBefore) {
    for (const WindowDescription* window : AllWindows()) {
        std::set<std::string_view> made;
        for (const ControlDescription& control : window->controls) {
            EXPECT_TRUE(made.insert(control.name).second) << window->name << " " << control.name;
            if (!control.parent.empty()) {
                const ControlDescription* parent = Find(*window, control.parent);
                ASSERT_NE(parent, nullptr) << control.name;
                EXPECT_EQ(parent->kind, ControlKind::Panel) << control.name;
                EXPECT_TRUE(made.contains(control.parent)) << control.name;
            }
            if (!control.buddy.empty()) {
                EXPECT_NE(Find(*window, control.buddy), nullptr) << control.name;
            }
        }
    }
}

// A control that sticks out of its panel or window is cut off on screen.
TEST(WindowDescriptions, EveryControlLiesInsideWhatHoldsIt) {
    for (const WindowDescription* window : AllWindows()) {
        for (const ControlDescription& control : window->controls) {
            int width = window->width;
            int height = window->height;
            if (!control.parent.empty()) {
                const ControlDescription* parent = Find(*window, control.parent);
                ASSERT_NE(parent, nullptr);
                width = parent->rect.width;
                height = parent->rect.height;
            }
            if (width == 0) {
                continue;
            }
            const ControlRect& rect = control.rect;
            EXPECT_GE(rect.left, 0) << control.name;
            EXPECT_GE(rect.top, 0) << control.name;
            EXPECT_LE(rect.left + std::max(rect.width, 0), width) << control.name;
            EXPECT_LE(rect.top + rect.height, height) << control.name;
        }
    }
}

// A label's mnemonic leads to its buddy in the Qt face, and to the control after it in the
// native face: the two must be the same control.
TEST(WindowDescriptions, ALabelsBuddyIsTheControlMadeAfterIt) {
    for (const WindowDescription* window : AllWindows()) {
        const auto controls = window->controls;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            if (!controls[i].buddy.empty()) {
                ASSERT_LT(i + 1, controls.size()) << controls[i].name;
                EXPECT_EQ(controls[i + 1].name, controls[i].buddy) << controls[i].name;
            }
        }
    }
}

TEST(WindowDescriptions, SpokenCaptionDropsMnemonicMarksAndEdgeBlanks) {
    EXPECT_EQ(SpokenCaption(" Program&csoport létrehozása"), "Programcsoport létrehozása");
    EXPECT_EQ(SpokenCaption("&OK"), "OK");
    EXPECT_EQ(SpokenCaption("  "), "");
    EXPECT_EQ(SpokenCaption(""), "");
}

} // namespace
} // namespace zel
