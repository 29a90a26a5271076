// One tick of the print tab on the Windows edition with a long queue: the spool folder on
// drive D: holds 1,000 waiting lists. The first tick reads every list's header and fills the
// grid; later ticks find the folder unchanged. The printer is one that does not exist, so the
// first list is tried and put back at every tick and the queue stays as long.

#include "dos/DosBoxStartPlan.h"
#include "platform/Platform.h"
#include "winprint/GdiPrinter.h"
#include "winui/PrintControl.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : "D:\\ZPBENCH";
    const std::string spool = folder + "\\Printing";
    fs::create_directories(spool);
    constexpr int kLists = 1000;
    for (int i = 0; i < kLists; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "ws%04d.A17", i);
        std::ofstream(spool + "\\" + name, std::ios::binary) << "\xAD"
                                                                "0Lista "
                                                             << i
                                                             << "\xAD"
                                                                "32017\xAD"
                                                                "41\r\nsor\r\n";
    }
    const HWND window = CreateWindowExW(0, L"STATIC", L"TForm1", WS_OVERLAPPEDWINDOW, 0, 0, 600,
                                        450, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    const zel::DosBoxStartPlanner dosStart;
    const auto platform = zel::MakePlatform(dosStart);
    zel::PrintControl control(*platform, spool, window, {31, 109, 524, 126}, {31, 268, 524, 126},
                              window);
    control.Printer().Select(L"ZelkorNincsIlyen");

    std::vector<double> ticks;
    for (int i = 0; i < 11; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const zel::SpoolTickResult result = control.Tick(true);
        ticks.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        if (!result.scanned ||
            control.Spool().Running().Count() != static_cast<std::size_t>(kLists)) {
            std::fprintf(stderr, "the tick did not list every waiting list\n");
            return 1;
        }
    }
    std::printf("first tick, %d waiting lists: %.1f ms\n", kLists, ticks.front());
    ticks.erase(ticks.begin());
    std::sort(ticks.begin(), ticks.end());
    std::printf("later ticks (median of %zu): %.1f ms\n", ticks.size(), ticks[ticks.size() / 2]);
    DestroyWindow(window);
    std::error_code ec;
    fs::remove_all(folder, ec);
    return 0;
}
