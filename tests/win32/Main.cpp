// The Windows platform's tests, run under Wine in the world scripts/wine-world makes; the
// same program is the stand-ins those tests start, and the print relay.

#include "dos/PrintRelayJobs.h"
#include "platform/HelperMode.h"
#include "support/WindowsStandIns.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (const auto exitCode = zel::test::RunStandIn(argc, argv)) {
        return *exitCode;
    }
    // A DOS start with printing starts this program as the launcher's print relay.
    if (const auto helped = zel::RunHelperMode(argc, argv, zel::MakePrintRelayJobs)) {
        return *helped;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
