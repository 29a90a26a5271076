#include "text/DosPath.h"

#include <gtest/gtest.h>
#include <string>

namespace zel {
namespace {

TEST(PlainFileName, IsOneNameOfItsFolder) {
    for (const char* name :
         {"ws0001.A17", "WS0001~1.B21", "ws0001.A17.K3F9Q2ZD.WPR",
          "ws\xE9"
          "04.A17",
          "a", "nul_.txt", "comma,name", "COM10", "LPT", "CONSOLE.A17", ".hidden"}) {
        EXPECT_TRUE(IsPlainFileName(name)) << name;
    }
}

TEST(PlainFileName, RefusesWhatCouldLeadElsewhere) {
    for (const char* name : {"",
                             ".",
                             "..",
                             "ws.B17\\..\\..\\..\\home\\private\\payroll.B17",
                             "ws/../x.A17",
                             "..\\x",
                             "ws0001.A17\\",
                             "C:x.A17",
                             "ws0001.A17:stream",
                             "ws*.A17",
                             "ws?.A17",
                             "ws\".A17",
                             "ws<1>.A17",
                             "ws|1.A17",
                             "ws0001.A17.",
                             "ws0001.A17 ",
                             "ws\r\n.A17",
                             "ws\x01.A17",
                             "ws\x7F.A17",
                             "PRN",
                             "prn.A17",
                             "CON",
                             "Aux.B21",
                             "NUL",
                             "nul .A17",
                             "COM1",
                             "com9.A17",
                             "LPT1",
                             "lpt3.txt",
                             "CLOCK$",
                             "conin$.x",
                             "CONOUT$"}) {
        EXPECT_FALSE(IsPlainFileName(name)) << name;
    }
    EXPECT_FALSE(IsPlainFileName(std::string("ws\0.A17", 7)));
    EXPECT_FALSE(IsPlainFileName(std::string(256, 'w')));
    EXPECT_TRUE(IsPlainFileName(std::string(255, 'w')));
}

} // namespace
} // namespace zel
