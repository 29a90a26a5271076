// The print tab as a user meets it: lists on drive D: found, shown in the grids and printed
// through Wine's printer driver into the CUPS PDF queue; a printer that fails leaves every
// list waiting, whole, with the error for the panel.

#include "winui/PrintControl.h"

#include "dos/DosBoxStartPlan.h"
#include "platform/Platform.h"
#include "support/CupsPdf.h"
#include "support/TempDir.h"
#include "support/UnixTools.h"
#include "text/WideText.h"
#include "winprint/GdiPrinter.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <thread>
#include <winspool.h>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

constexpr Bounds kWaitingGrid{31, 109, 524, 126};
constexpr Bounds kPrintedGrid{31, 268, 524, 126};

const std::string kList = "\xAD"
                          "0B\xA0r lista  \xAD"
                          "32017\xAD"
                          "41\r\nsor\r\n";

std::wstring HeaderText(HWND grid, int column) {
    wchar_t text[64]{};
    LVCOLUMNW header{};
    header.mask = LVCF_TEXT;
    header.pszText = text;
    header.cchTextMax = 64;
    SendMessageW(grid, LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&header));
    return text;
}

// Grid rows as the string grid counts them: row 0 is the header, row 1 the first item.
std::wstring Cell(HWND grid, int column, int row) {
    wchar_t text[256]{};
    LVITEMW cell{};
    cell.iSubItem = column;
    cell.pszText = text;
    cell.cchTextMax = 256;
    SendMessageW(grid, LVM_GETITEMTEXTW, static_cast<WPARAM>(row - 1),
                 reinterpret_cast<LPARAM>(&cell));
    return text;
}

int RowCount(HWND grid) {
    return static_cast<int>(SendMessageW(grid, LVM_GETITEMCOUNT, 0, 0)) + 1;
}

std::set<std::wstring> Printers() {
    DWORD needed = 0;
    DWORD count = 0;
    EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
                  &count);
    std::vector<BYTE> buffer(needed + sizeof(PRINTER_INFO_4W));
    if (!EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, buffer.data(),
                       needed, &needed, &count)) {
        return {};
    }
    std::set<std::wstring> names;
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        names.insert(printers[i].pPrinterName);
    }
    return names;
}

// Messages are handled until done says so or seconds pass.
bool PumpUntil(const std::function<bool()>& done, int seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(1);
    }
    return true;
}

class PrintTab : public ::testing::Test {
protected:
    PrintTab() : m_platform(MakePlatform(m_dosStart)) {
        m_window = CreateWindowExW(0, L"STATIC", L"TForm1", WS_OVERLAPPEDWINDOW, 0, 0, 600, 450,
                                   nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        static unsigned counter = 0;
        m_folder =
            "D:\\ZP" + std::to_string(GetCurrentProcessId()) + "." + std::to_string(++counter);
        fs::create_directories(Spool());
        // Lists are printed as soon as they are there: no writer elsewhere is tested here.
        m_control = std::make_unique<PrintControl>(*m_platform, Spool(), m_window, kWaitingGrid,
                                                   kPrintedGrid, m_window,
                                                   SpoolTiming{std::chrono::milliseconds(0), {}});
        m_running = FindWindowExW(m_window, nullptr, WC_LISTVIEWW, L"StringGrid1");
        m_finished = FindWindowExW(m_window, nullptr, WC_LISTVIEWW, L"StringGrid2");
    }
    ~PrintTab() override {
        m_control.reset();
        DestroyWindow(m_window);
        std::error_code ec;
        fs::remove_all(m_folder, ec);
    }

    void SetUp() override {
        if (std::getenv("ZEL_WINE_WORLD") == nullptr) {
            GTEST_SKIP() << "needs the Wine world of scripts/wine-world";
        }
        ASSERT_NE(m_running, nullptr);
        ASSERT_NE(m_finished, nullptr);
    }

    [[nodiscard]] std::string Spool() const { return m_folder + "\\Printing"; }
    [[nodiscard]] std::string File(const std::string& name) const { return Spool() + "\\" + name; }

    // Ticks and lets the slices run until the job is over; what the last tick said.
    SpoolTickResult PrintTheFirst() {
        SpoolTickResult result = m_control->Tick(true);
        if (result.printingStopped) {
            return result;
        }
        EXPECT_TRUE(PumpUntil([this] { return !m_control->Spool().JobInProgress(); }, 60));
        return m_control->Tick(true);
    }

    const DosBoxStartPlanner m_dosStart;
    std::unique_ptr<Platform> m_platform;
    HWND m_window = nullptr;
    std::string m_folder;
    std::unique_ptr<PrintControl> m_control;
    HWND m_running = nullptr;
    HWND m_finished = nullptr;
};

TEST_F(PrintTab, AMissingPrinterStopsPrintingAndEveryListWaitsInNameOrder) {
    WriteNativeFile(File("ws0003.A17"), kList);
    WriteNativeFile(File("ws0001.B21"), kList);
    WriteNativeFile(File("ws0002.A17"), "nincs fejl\xE9"
                                        "c\r\nsor\r\n");
    WriteNativeFile(File("ws0004.TXT"), "nem lista");
    m_control->Printer().Select(L"ZelkorNincsIlyen");

    const SpoolTickResult result = m_control->Tick(true);
    EXPECT_TRUE(result.printingStopped);
    EXPECT_FALSE(result.printed);
    EXPECT_NE(WideFromCp1250(result.error).find(L"ZelkorNincsIlyen"), std::wstring::npos)
        << result.error;
    for (const char* name : {"ws0001.B21", "ws0003.A17"}) {
        EXPECT_EQ(ReadNativeFile(File(name)), kList) << name;
    }
    EXPECT_TRUE(fs::exists(File("ws0004.TXT")));

    EXPECT_EQ(HeaderText(m_running, 0), L"Lista neve");
    EXPECT_EQ(HeaderText(m_running, 2), L"Nyomtat\u00E1s id\u0151pontja");
    EXPECT_EQ(HeaderText(m_finished, 6), L"File n\u00E9v");
    ASSERT_EQ(RowCount(m_running), 4);
    EXPECT_EQ(Cell(m_running, 6, 1), L"ws0001.B21");
    EXPECT_EQ(Cell(m_running, 0, 1), L"B\u00E1r lista");
    EXPECT_EQ(Cell(m_running, 1, 1), L"2017. \u00E9v");
    EXPECT_EQ(Cell(m_running, 3, 1), L"1");
    EXPECT_FALSE(Cell(m_running, 2, 1).empty());
    EXPECT_EQ(Cell(m_running, 0, 2), L"ws0002.A17");
    EXPECT_EQ(Cell(m_running, 6, 3), L"ws0003.A17");
    for (int column = kBandColumn; column < kJobColumns; ++column) {
        EXPECT_EQ(SendMessageW(m_running, LVM_GETCOLUMNWIDTH, column, 0), 0) << column;
    }
    EXPECT_EQ(SendMessageW(m_running, LVM_GETCOLUMNWIDTH, 0, 0), 304);
    EXPECT_EQ(RowCount(m_finished), 2);
    EXPECT_EQ(Cell(m_finished, 0, 1), L"");
    EXPECT_EQ(m_control->CharacterPrinter(), "ZelkorNincsIlyen");

    // Stopped, the grids keep what they showed and nothing is touched.
    EXPECT_FALSE(m_control->Tick(false).scanned);
    EXPECT_EQ(RowCount(m_running), 4);
    EXPECT_EQ(ReadNativeFile(File("ws0001.B21")), kList);
}

// The setup dialog blocks the main window; cancelling it keeps the printer used so far, and
// choosing in it names the printer that DOS programs print to.
TEST_F(PrintTab, ThePrinterSetupBlocksItsOwnerAndCancellingKeepsThePrinter) {
    const auto answer = [this](int button, std::atomic<bool>& ownerDisabled) {
        return std::thread([this, button, &ownerDisabled] {
            for (int tries = 0; tries < 3000; ++tries) {
                HWND dialog = nullptr;
                while ((dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)) != nullptr) {
                    if (GetWindow(dialog, GW_OWNER) == m_window && IsWindowVisible(dialog)) {
                        ownerDisabled = !IsWindowEnabled(m_window);
                        PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(button), 0);
                        return;
                    }
                }
                Sleep(10);
            }
        });
    };
    std::atomic<bool> disabled{false};
    std::thread cancel = answer(IDCANCEL, disabled);
    m_control->SetupPrinter();
    cancel.join();
    EXPECT_TRUE(disabled);
    EXPECT_TRUE(IsWindowEnabled(m_window));
    EXPECT_EQ(m_control->CharacterPrinter(), "");

    disabled = false;
    std::thread choose = answer(IDOK, disabled);
    m_control->SetupPrinter();
    choose.join();
    EXPECT_TRUE(disabled);
    EXPECT_EQ(m_control->CharacterPrinter(), kPdfQueue);
}

TEST_F(PrintTab, AListReachesTheCupsPdfQueueWithItsLinesInPlace) {
    ASSERT_TRUE(Printers().contains(WideFromUtf8(kPdfQueue)))
        << "Wine sees no " << kPdfQueue << " queue: scripts/cups-start makes it";
    std::string list = "\xAD"
                       "0Z\xA0r\xA2 lista\xAD"
                       "32017\r\n";
    for (int i = 1; i <= 71; ++i) {
        std::string line = "T\x82tel " + std::to_string(i);
        line.resize(30, ' ');
        const std::string amount = std::to_string(i * 137);
        list += line + std::string(10 - amount.size(), ' ') + amount + " Ft\r\n";
    }
    WriteNativeFile(File("ws0001.A17"), list);
    m_control->Printer().Select(WideFromUtf8(kPdfQueue));
    const std::string folder = CupsPdfFolder();
    const std::set<std::string> before = PdfsIn(folder);

    const SpoolTickResult result = PrintTheFirst();
    ASSERT_FALSE(result.printingStopped) << result.error;
    EXPECT_FALSE(fs::exists(File("ws0001.A17")));
    EXPECT_EQ(Cell(m_finished, 0, 1), L"Z\u00E1r\u00F3 lista");
    EXPECT_EQ(Cell(m_running, 0, 1), L"");

    std::string pdf;
    const auto arrived = [&] {
        for (const std::string& found : PdfsIn(folder)) {
            if (!before.contains(found) && PageCount(found) == 2) {
                pdf = found;
            }
        }
        return !pdf.empty();
    };
    ASSERT_TRUE(PumpUntil(arrived, 90)) << "no new PDF in " << folder;
    const std::string page1 = Shell("pdftotext -layout -f 1 -l 1 '" + pdf + "' -");
    std::istringstream lines(page1);
    std::size_t column = std::string::npos;
    int found = 0;
    for (std::string line; std::getline(lines, line);) {
        const auto ft = line.find(" Ft");
        if (line.find("tel ") == std::string::npos || ft == std::string::npos) {
            continue;
        }
        column = column == std::string::npos ? ft : column;
        EXPECT_EQ(ft, column) << line;
        ++found;
    }
    EXPECT_EQ(found, 70) << page1;
    EXPECT_NE(page1.find("T\xC3\xA9tel"), std::string::npos) << page1;
    EXPECT_NE(Shell("pdftotext -f 2 -l 2 '" + pdf + "' -").find("9727 Ft"), std::string::npos);
    (void)Shell("rm -f '" + pdf + "'");
}

} // namespace
} // namespace zel::test
