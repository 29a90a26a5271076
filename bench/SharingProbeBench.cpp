// What one sharing probe costs on a busy machine: its one pass over /proc, and the checks a
// spool tick asks of it afterwards.

#include "SleepingChildren.h"
#include "platform/posix/ProcSharingProbe.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kFilesPerChild = 8;

// A prefix with one drive and one print file, removed at the end.
class BenchWorld final {
public:
    BenchWorld() {
        std::string pattern = (fs::temp_directory_path() / "zelbench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        m_root = pattern;
        fs::create_directories(m_root / "prefix" / "dosdevices");
        fs::create_directories(m_root / "drive_c" / "PRINTING");
        fs::create_directory_symlink(m_root / "drive_c", m_root / "prefix" / "dosdevices" / "c:");
        for (int i = 1; i <= 20; ++i) {
            std::ofstream(m_root / "drive_c" / "PRINTING" / ("WS" + std::to_string(i) + ".A17"))
                << "print list";
        }
        std::ofstream(BusyFile()) << "held by every child";
    }
    ~BenchWorld() {
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }
    BenchWorld(const BenchWorld&) = delete;
    BenchWorld& operator=(const BenchWorld&) = delete;

    [[nodiscard]] fs::path Prefix() const { return m_root / "prefix"; }
    [[nodiscard]] fs::path BusyFile() const { return m_root / "busy"; }

private:
    fs::path m_root;
};

BenchWorld& World() {
    static BenchWorld world;
    return world;
}

zel::bench::SleepingChildren& Children() {
    static zel::bench::SleepingChildren children(World().BusyFile(), kFilesPerChild);
    return children;
}

// range(0): extra processes; range(1): print files asked about per probe.
void BM_SharingProbe(benchmark::State& state) {
    if (!Children().Resize(state.range(0))) {
        state.SkipWithError("could not start the sleeping processes");
        return;
    }
    const zel::posix::WinePrefix prefix(World().Prefix());
    std::vector<std::string> files;
    for (std::int64_t i = 1; i <= state.range(1); ++i) {
        files.push_back("C:\\PRINTING\\WS" + std::to_string(i) + ".A17");
    }
    for (auto _ : state) {
        auto probe = zel::posix::MakeProcSharingProbe(prefix);
        for (const auto& file : files) {
            benchmark::DoNotOptimize(probe->CanOpenDenyWrite(file));
        }
    }
}
BENCHMARK(BM_SharingProbe)
    ->ArgsProduct({{0, 500}, {1, 20}})
    ->ArgNames({"processes", "checks"})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
