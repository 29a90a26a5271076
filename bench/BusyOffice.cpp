// A terminal server's office for bench/thirty-panels: other processes asleep, each holding a
// few files open, and in each spool folder given the lists a program is still writing. It
// says "ready" once all are up and keeps them until it is told to end (TERM, INT or HUP);
// should it die, they end with it.
//
// bench_busy_office OTHERS BUSY-FILE LISTS FOLDER...

#include "ListWriters.h"
#include "SleepingChildren.h"
#include "SpoolBenchWorld.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using zel::bench::FirstPage;

constexpr int kFilesPerOther = 8;
// SleepingChildren's own limit.
constexpr long kOthersPerGroup = 1000;

// Each child keeps copies of the pipes made before it: the last made go first, so that
// every child sees its own pipe close.
template <typename T> void EndInReverse(std::vector<std::unique_ptr<T>>& made) {
    while (!made.empty()) {
        made.pop_back();
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OTHERS BUSY-FILE LISTS FOLDER...\n", argv[0]);
        return 2;
    }
    sigset_t ending;
    sigemptyset(&ending);
    sigaddset(&ending, SIGTERM);
    sigaddset(&ending, SIGINT);
    sigaddset(&ending, SIGHUP);
    sigprocmask(SIG_BLOCK, &ending, nullptr);

    const long others = std::strtol(argv[1], nullptr, 10);
    const std::filesystem::path busy = argv[2];
    const int lists = static_cast<int>(std::strtol(argv[3], nullptr, 10));
    std::ofstream(busy) << "held by every other process";
    std::vector<std::unique_ptr<zel::bench::SleepingChildren>> groups;
    for (long started = 0; started < others; started += kOthersPerGroup) {
        groups.push_back(std::make_unique<zel::bench::SleepingChildren>(busy, kFilesPerOther));
        if (!groups.back()->Resize(std::min(kOthersPerGroup, others - started))) {
            std::fprintf(stderr, "could not start %ld other processes\n", others);
            EndInReverse(groups);
            return 1;
        }
    }
    std::vector<std::unique_ptr<zel::bench::ListWriters>> writers;
    for (int folder = 4; folder < argc; ++folder) {
        std::vector<std::string> names;
        for (int i = 1; i <= lists; ++i) {
            char name[24];
            std::snprintf(name, sizeof(name), "ws%04d.A17", i);
            names.emplace_back(name);
        }
        writers.push_back(
            std::make_unique<zel::bench::ListWriters>(argv[folder], names, FirstPage(), lists));
        if (!writers.back()->Writing()) {
            std::fprintf(stderr, "could not write the lists in %s\n", argv[folder]);
            EndInReverse(writers);
            EndInReverse(groups);
            return 1;
        }
    }
    std::printf("ready\n");
    std::fflush(stdout);
    int signal = 0;
    sigwait(&ending, &signal);
    EndInReverse(writers);
    EndInReverse(groups);
    return 0;
}
