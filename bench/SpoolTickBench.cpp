// One spool tick while the programs are still writing their lists: a thousand lists held open
// for writing among 500 other processes holding 8 files each, the lists opened before the
// launcher started or after, and a tick after a reader of one list has closed it.

#include "ListWriters.h"
#include "SleepingChildren.h"
#include "SpoolBenchWorld.h"
#include "platform/posix/PosixPlatform.h"
#include "spool/JobPrinter.h"
#include "spool/PrintSpool.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using zel::bench::BenchFolder;
using zel::bench::FirstPage;
using zel::bench::NoPrinter;

constexpr int kFilesPerProcess = 8;
constexpr int kLists = 1000;
// As many as one DOSBox session of an accounting program might hold.
constexpr int kListsPerWriter = 50;

zel::bench::SleepingChildren& Children() {
    static zel::bench::SleepingChildren children(BenchFolder() / "busy", kFilesPerProcess);
    return children;
}

// A drive and spool folder of its own for each run.
struct SpoolWorld {
    SpoolWorld() : root(BenchFolder() / "writing") {
        std::error_code ignored;
        fs::remove_all(root, ignored);
        fs::create_directories(root / "prefix" / "dosdevices");
        fs::create_directories(Spool());
        fs::create_directory_symlink(root / "drive_c", root / "prefix" / "dosdevices" / "c:");
        for (int i = 0; i < kLists; ++i) {
            char list[16];
            std::snprintf(list, sizeof(list), "ws%04d.A17", i);
            names.emplace_back(list);
        }
    }
    [[nodiscard]] fs::path Spool() const { return root / "drive_c" / "Printing"; }

    fs::path root;
    std::vector<std::string> names;
};

// A tick whose lists are all still being written lists none of them and prints nothing.
bool NothingListed(zel::PrintSpool& printSpool) {
    const zel::SpoolTickResult result = printSpool.Tick(true);
    return !result.printed && printSpool.Running().Count() == 0;
}

// range(0): other processes; range(1): 1 when the programs opened their lists after the
// launcher started, 0 when before; range(2): 1 when a reader of one list closes it before
// each tick, while its program goes on writing. The first tick that finds the lists is not
// timed: the ticks that follow are the ones a running launcher pays for every second.
void TickWithAThousandBeingWritten(benchmark::State& state) {
    std::ofstream(BenchFolder() / "busy") << "held by every other process";
    if (!Children().Resize(state.range(0))) {
        state.SkipWithError("could not start the other processes");
        return;
    }
    const bool openedAfter = state.range(1) != 0;
    const bool readerCloses = state.range(2) != 0;
    const SpoolWorld world;
    std::optional<zel::bench::ListWriters> writers;
    if (!openedAfter) {
        writers.emplace(world.Spool(), world.names, FirstPage(), kListsPerWriter);
    }
    zel::posix::PosixPlatform platform{zel::posix::WinePrefix(world.root / "prefix")};
    NoPrinter printer;
    zel::PrintSpool printSpool(platform, printer, "C:\\Printing");
    (void)printSpool.Tick(true);
    if (openedAfter) {
        writers.emplace(world.Spool(), world.names, FirstPage(), kListsPerWriter);
    }
    if (!writers->Writing() || !NothingListed(printSpool)) {
        state.SkipWithError("the lists are not held open for writing");
        return;
    }
    const fs::path read = world.Spool() / world.names.front();
    for (auto _ : state) {
        if (readerCloses) {
            state.PauseTiming();
            ::close(::open(read.c_str(), O_RDONLY | O_CLOEXEC));
            state.ResumeTiming();
        }
        if (!NothingListed(printSpool)) {
            state.SkipWithError("a list still being written was listed");
            return;
        }
    }
}
BENCHMARK(TickWithAThousandBeingWritten)
    ->Args({500, 1, 0})
    ->Args({500, 0, 0})
    ->Args({500, 1, 1})
    ->ArgNames({"processes", "opened_after", "reader_closes"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    fs::remove_all(BenchFolder(), ignored);
    return 0;
}
