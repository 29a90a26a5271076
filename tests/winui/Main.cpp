// The Win32 face's tests, run under Wine in the world scripts/wine-world makes; the same
// program is the accounting stand-in that the launcher starts in them.

#include "support/WindowsStandIns.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (const auto exitCode = zel::test::RunStandIn(argc, argv)) {
        return *exitCode;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
