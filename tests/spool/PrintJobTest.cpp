#include "spool/PrintJob.h"

#include "text/CodePage1250.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(PrintJob, ExtensionsSayWhatAFileIs) {
    for (const char* name : {"ws0001.A17", "ws0001.b21", "WS1.A99", "ws.B30", "ws2.a05"}) {
        EXPECT_EQ(ClassifySpoolFile(name), SpoolFileKind::Waiting) << name;
    }
    for (const char* name : {"ws0001.WPR", "ws1.wpr", "WS0001.WpR"}) {
        EXPECT_EQ(ClassifySpoolFile(name), SpoolFileKind::Leftover) << name;
    }
    for (const char* name : {"ws0001.A17.K3F9Q2ZD.WPR", "ws1.b21.x.wpr", "WS0001~1.A17.M0.WpR"}) {
        EXPECT_EQ(ClassifySpoolFile(name), SpoolFileKind::Printing) << name;
    }
    for (const char* name :
         {"ws0001.TXT", "ws0001", "ws0001.A4", "ws0001.A47", "ws0001.C17", "ws0001.A1x",
          "ws0001.A1", "ws0001.", "ws0001.A17.TXT", "ws0001.A17x", "ws0001.WPRX",
          "ws00001234567.A17", "ws0001.A17.WPR", "ws0001.TXT.K3F9Q2ZD.WPR", "ws0001.A17.K3-F9.WPR",
          "ws0001.A17..WPR", "ws0001.A17.K3F9Q2ZD.WPR.TXT"}) {
        EXPECT_EQ(ClassifySpoolFile(name), SpoolFileKind::Other) << name;
    }
    EXPECT_EQ(SpoolExtension("ws0001234.A17"), "A1");
}

// A name planted in a shared folder must never name a file elsewhere, on either system.
TEST(PrintJob, OnlyAPlainNameIsASpoolFile) {
    for (const char* name :
         {"ws.B17\\..\\..\\..\\home\\private\\payroll.B17", "ws/../../payroll.B17",
          "ws0001.A17:secret", "ws\r\n.A17", "ws0001.A17.", "ws0001.A17 ", "ws.B17\\..\\x.WPR",
          "ws0001.A17\\..\\x.K3F9Q2ZD.WPR"}) {
        EXPECT_EQ(ClassifySpoolFile(name), SpoolFileKind::Other) << name;
    }
}

TEST(PrintJob, APrintingNameCarriesTheListsNameAndTheLaunchersMark) {
    const std::string mark = MakeLauncherMark();
    EXPECT_EQ(mark.size(), 8u);
    EXPECT_NE(mark, MakeLauncherMark());
    const std::string printing = PrintingName("ws0001.b21", mark);
    EXPECT_EQ(printing, "ws0001.b21." + mark + ".WPR");
    EXPECT_EQ(ClassifySpoolFile(printing), SpoolFileKind::Printing);
    EXPECT_EQ(WaitingNameOfPrinting(printing), "ws0001.b21");
    EXPECT_EQ(WaitingNameOfPrinting("ws0001~2.A17.Q.wpr"), "ws0001~2.A17");
    EXPECT_EQ(WaitingNameOfPrinting("ws0001.WPR"), "");
    EXPECT_EQ(WaitingNameOfPrinting("ws0001.A17"), "");
    // An earlier version's scan takes a name that does not end in its extension for none of
    // its own: neither a list nor a leftover.
    EXPECT_EQ(SpoolExtension(printing), "b21");
}

TEST(PrintJob, HeaderFieldsFillTheListColumns) {
    const PrintHeader header = ParsePrintHeader(FirstLine("\xAD"
                                                          "0F\x93k\xA0nyv  lista   \xAD"
                                                          "1 12:00\xAD"
                                                          "22\xAD"
                                                          "32017\xAD"
                                                          "4 3 \xAD"
                                                          "9x\r\nbody"));
    EXPECT_TRUE(header.recognised);
    EXPECT_EQ(header.listName, Utf8ToCp1250("Főkány"
                                            "v  lista"));
    EXPECT_EQ(header.band, "2");
    EXPECT_EQ(header.year, "2017");
    EXPECT_EQ(header.page, " 3 ");
}

TEST(PrintJob, OnlyAHeaderStartingWithTheNameFieldCounts) {
    EXPECT_FALSE(ParsePrintHeader("\xAD"
                                  "1time\xAD"
                                  "0name")
                     .recognised);
    EXPECT_FALSE(ParsePrintHeader("LISTA").recognised);
    EXPECT_FALSE(ParsePrintHeader("").recognised);
    EXPECT_TRUE(ParsePrintHeader("\xAD"
                                 "0")
                    .recognised);
}

TEST(PrintJob, FieldsBeyondTheTenthAreIgnored) {
    std::string line = "\xAD"
                       "0name\xAD"
                       "4one";
    for (int i = 0; i < 8; ++i) {
        line += "\xAD"
                "9";
    }
    line += "\xAD"
            "4eleven";
    EXPECT_EQ(ParsePrintHeader(line).page, "one");
}

TEST(PrintJob, TheHeaderIsReadUpToItsCapacity) {
    const std::string line = "\xAD"
                             "0" +
                             std::string(300, 'n') +
                             "\xAD"
                             "32017";
    const PrintHeader header = ParsePrintHeader(FirstLine(line));
    EXPECT_EQ(header.listName.size(), 253u);
    EXPECT_EQ(header.year, "");
    EXPECT_EQ(FirstLine("abc\x1A"
                        "def"),
              "abc");
}

} // namespace
} // namespace zel
