#include "platform/PrintRelayCommand.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(PrintRelayCommand, IsReadBackAsItWasWritten) {
    const PrintRelayRequest request{"",
                                    "A97.EXE",
                                    "/tmp/zelstart-x/serial.conf",
                                    "/srv/zel/ZELKONYV.97/DATA/ZELKOR97.001",
                                    {"/usr/bin/dosbox", "-conf", "/tmp/zelstart-x/dosbox.conf"},
                                    "/tmp/zelstart-x"};
    const auto command = ComposePrintRelayCommand("/proc/self/exe", request);
    EXPECT_EQ(command.front(), "/proc/self/exe");
    const auto read = ParsePrintRelayCommand({command.begin() + 1, command.end()});
    ASSERT_TRUE(read);
    EXPECT_EQ(read->printer, "");
    EXPECT_EQ(read->title, "A97.EXE");
    EXPECT_EQ(read->serialConfig, request.serialConfig);
    EXPECT_EQ(read->lockFile, request.lockFile);
    EXPECT_EQ(read->dosbox, request.dosbox);
    EXPECT_EQ(read->startFolder, request.startFolder);
}

TEST(PrintRelayCommand, AStartWithoutALockFileKeepsDosBoxsCommandWhole) {
    const PrintRelayRequest request{"Matrix", "B2017.EXE",         "/tmp/s.conf",
                                    "",       {"/usr/bin/dosbox"}, ""};
    const auto command = ComposePrintRelayCommand("/proc/self/exe", request);
    const auto read = ParsePrintRelayCommand({command.begin() + 1, command.end()});
    ASSERT_TRUE(read);
    EXPECT_EQ(read->lockFile, "");
    EXPECT_EQ(read->startFolder, "");
    EXPECT_EQ(read->dosbox, request.dosbox);
}

TEST(PrintRelayCommand, AnOrdinaryStartIsNoRelay) {
    EXPECT_FALSE(ParsePrintRelayCommand({}));
    EXPECT_FALSE(ParsePrintRelayCommand({"-platform", "offscreen"}));
    EXPECT_FALSE(ParsePrintRelayCommand({kPrintRelayFlag, "Matrix", "A97.EXE", "/tmp/s.conf", ""}));
    EXPECT_FALSE(
        ParsePrintRelayCommand({kPrintRelayFlag, "Matrix", "A97.EXE", "", "", "", "dosbox"}));
    EXPECT_FALSE(ParsePrintRelayCommand(
        {kPrintRelayFlag, "Matrix", "A97.EXE", "/tmp/s.conf", "", "/tmp/zelstart-x"}))
        << "no DOSBox to run";
}

} // namespace
} // namespace zel
