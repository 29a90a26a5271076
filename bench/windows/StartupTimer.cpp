// Times a window program from its process's creation until a user can use it, seen from
// another process as a user sees it: its window of a class is visible and, where given, the
// window of a second class that it shows while it prepares exists and is hidden again.
//   bench_startup_timer RUNS FOLDER PROGRAM READY-CLASS [GONE-CLASS]
// Prints each run's milliseconds, then the median and the fastest.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include <windows.h>

namespace {

struct Search {
    DWORD processId;
    const char* className;
    HWND found = nullptr;
};

BOOL CALLBACK Take(HWND window, LPARAM search) {
    auto& wanted = *reinterpret_cast<Search*>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (owner == wanted.processId && std::string(name) == wanted.className) {
        wanted.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WindowOf(DWORD processId, const char* className) {
    Search search{processId, className};
    EnumWindows(&Take, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s RUNS FOLDER PROGRAM READY-CLASS [GONE-CLASS]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const char* folder = argv[2];
    std::string commandLine = std::string("\"") + argv[3] + "\"";
    const char* ready = argv[4];
    const char* gone = argc > 5 ? argv[5] : nullptr;
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        LARGE_INTEGER begin{};
        QueryPerformanceCounter(&begin);
        if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder, &startup, &started)) {
            std::fprintf(stderr, "cannot start %s\n", argv[3]);
            return 1;
        }
        const ULONGLONG limit = GetTickCount64() + 60000;
        bool usable = false;
        LARGE_INTEGER end{};
        while (!usable && GetTickCount64() < limit) {
            const HWND window = WindowOf(started.dwProcessId, ready);
            const HWND preparing = gone != nullptr ? WindowOf(started.dwProcessId, gone) : nullptr;
            usable = window != nullptr && IsWindowVisible(window) &&
                     (gone == nullptr || (preparing != nullptr && !IsWindowVisible(preparing)));
            QueryPerformanceCounter(&end);
            if (!usable) {
                Sleep(1);
            }
        }
        TerminateProcess(started.hProcess, 0);
        WaitForSingleObject(started.hProcess, 30000);
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
        if (!usable) {
            std::fprintf(stderr, "run %d: not usable within a minute\n", run + 1);
            return 1;
        }
        times.push_back(Milliseconds(begin, end));
        std::printf("run %d: %.1f ms\n", run + 1, times.back());
    }
    std::sort(times.begin(), times.end());
    std::printf("median %.1f ms, fastest %.1f ms over %d runs\n", times[times.size() / 2],
                times.front(), runs);
    return 0;
}
