// ZELPULT.EXE printing for an accounting program: a list dropped into its Printing folder
// waits in the running grid while it cannot be taken, then is printed on the desktop's default
// printer, the CUPS PDF queue, and stands in the grid of finished prints.

#include "LauncherProcess.h"
#include "RemoteGrid.h"
#include "WindowWaits.h"
#include "support/CupsPdf.h"
#include "support/UnixTools.h"
#include "support/WineWorld.h"

#include <gtest/gtest.h>
#include <winspool.h>

namespace zel {
namespace {

constexpr int kLimit = test::kProcessLimit;

// Printing on, through the desktop's printer; no program found anywhere.
std::string Configuration() {
    const std::string noDrives = "[" + std::string(30, '0') + "]\r\n";
    return noDrives + noDrives + "[]\r\n[NYOMTATAS_MODJA_WINDOWS=TRUE]\r\n" +
           "[NYOMTATAS_ENGEDELYEZVE=TRUE]\r\n";
}

// A payroll list of 2023 as the accounting program writes it: header fields, then its lines
// in the DOS code page.
std::string PayrollList() {
    std::string list = "\xAD"
                       "0Havi b\xA0rlista  \xAD"
                       "32023\xAD"
                       "41\r\n";
    for (int i = 1; i <= 5; ++i) {
        list += "T\x82tel " + std::to_string(i) + "   " + std::to_string(i * 1111) + " Ft\r\n";
    }
    return list;
}

// Every run of blanks as one.
std::string Collapsed(const std::string& text) {
    std::string collapsed;
    for (const char c : text) {
        if (c != ' ' || collapsed.empty() || collapsed.back() != ' ') {
            collapsed += c;
        }
    }
    return collapsed;
}

std::wstring DefaultPrinter() {
    wchar_t name[256] = {};
    DWORD size = 256;
    return GetDefaultPrinterW(name, &size) ? std::wstring(name) : std::wstring();
}

class PrintEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ZEL_REQUIRE_WINE_WORLD();
        folder = std::make_unique<test::DriveFolder>();
        ASSERT_TRUE(
            CopyFileA(test::BuiltLauncher().c_str(), (*folder / "ZELPULT.EXE").c_str(), FALSE));
        test::WriteFileBytes(*folder / "ZELPULT.INI", Configuration());
        ASSERT_TRUE(CreateDirectoryA((*folder / "Printing").c_str(), nullptr));
    }

    std::unique_ptr<test::DriveFolder> folder;
};

TEST_F(PrintEndToEnd, AListWaitsWhileItIsHeldThenReachesThePdfQueueAndTheFinishedGrid) {
    ASSERT_EQ(DefaultPrinter(), L"ZelkorPDF") << "scripts/cups-start makes it the default";
    const std::string pdfFolder = test::CupsPdfFolder();
    const std::set<std::string> before = test::PdfsIn(pdfFolder);
    const std::string list = *folder / "Printing\\ws0001.B23";
    test::WriteFileBytes(list, PayrollList());
    // Open as a virus scanner holds a file: others may read and write it, but not move it
    // away, so the launcher lists it but cannot take it for printing yet.
    HANDLE held = CreateFileA(list.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    test::LauncherProcess launcher(*folder / "ZELPULT.EXE", folder->Path());
    const HWND panel = launcher.WaitForWindow(L"TForm1");
    ASSERT_NE(panel, nullptr);
    const test::RemoteGrid running(test::ChildWithText(panel, L"StringGrid1"));
    const test::RemoteGrid finished(test::ChildWithText(panel, L"StringGrid2"));
    ASSERT_TRUE(running.Readable());
    ASSERT_TRUE(finished.Readable());

    EXPECT_TRUE(test::WaitUntil([&] { return running.Cell(6, 1) == L"ws0001.B23"; }, kLimit));
    EXPECT_EQ(running.Cell(0, 1), L"Havi b\u00E1rlista");
    EXPECT_EQ(running.Cell(1, 1), L"2023. \u00E9v");
    EXPECT_EQ(finished.Cell(6, 1), L"");
    EXPECT_EQ(test::ReadFileBytes(list), PayrollList());

    CloseHandle(held);
    ASSERT_TRUE(test::WaitUntil([&] { return finished.Cell(6, 1) == L"ws0001.B23"; }, kLimit));
    EXPECT_EQ(finished.Cell(0, 1), L"Havi b\u00E1rlista");
    EXPECT_EQ(finished.RowCount(), 2);
    EXPECT_TRUE(test::WaitUntil([&] { return running.Cell(0, 1).empty(); }, kLimit));
    EXPECT_EQ(GetFileAttributesA(list.c_str()), INVALID_FILE_ATTRIBUTES);

    std::string pdf;
    const auto arrived = [&] {
        for (const std::string& found : test::PdfsIn(pdfFolder)) {
            if (!before.contains(found) &&
                test::Shell("pdftotext '" + found + "' -").find("5555") != std::string::npos) {
                pdf = found;
            }
        }
        return !pdf.empty();
    };
    ASSERT_TRUE(test::WaitUntil(arrived, 60000)) << "no new PDF in " << pdfFolder;
    // The page puts each run in its cells: the text between them comes out as blanks.
    const std::string text = Collapsed(test::Shell("pdftotext -layout '" + pdf + "' -"));
    for (int i = 1; i <= 5; ++i) {
        EXPECT_NE(text.find("T\xC3\xA9tel " + std::to_string(i) + " " + std::to_string(i * 1111) +
                            " Ft\n"),
                  std::string::npos)
            << text;
    }
    (void)test::Shell("rm -f '" + pdf + "'");

    launcher.PressKey(launcher.Focus() != nullptr ? launcher.Focus() : panel, VK_ESCAPE);
    EXPECT_TRUE(launcher.EndsCleanly());
}

} // namespace
} // namespace zel
