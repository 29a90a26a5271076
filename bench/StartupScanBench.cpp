// The start-up scan's pieces on a prefix of 24 drives holding three programs each: what the
// drive marking, the configuration file and the search cost, and what the counting pauses
// add on this machine.

#include "config/ConfigFile.h"
#include "config/CountingPause.h"
#include "config/DriveList.h"
#include "config/DriveMarking.h"
#include "config/InstallationSearch.h"
#include "config/RowState.h"
#include "config/StartupScan.h"
#include "platform/posix/PosixPlatform.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace zel {
namespace {

constexpr const char* kIni = "C:\\ZELPULT.INI";

void WriteNative(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string NativeTail(std::string_view dosPath) {
    std::string tail(dosPath.substr(3));
    for (char& c : tail) {
        c = c == '\\' ? '/' : c;
    }
    return tail;
}

// A Wine-style prefix in a temporary folder, removed at exit.
class BenchWorld final {
public:
    BenchWorld() {
        std::string pattern = (fs::temp_directory_path() / "zelbench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        m_root = pattern;
        fs::create_directories(m_root / "prefix" / "dosdevices");
        ProgramCatalogue catalogue;
        catalogue.Fill();
        for (char letter = 'C'; letter <= 'Z'; ++letter) {
            const char lower = static_cast<char>(letter - 'A' + 'a');
            const fs::path drive = m_root / (std::string("drive_") + lower);
            fs::create_directories(drive);
            WriteNative(drive / ".windows-label", std::string("DISK_") + letter + "\n");
            fs::create_directory_symlink(drive, m_root / "prefix" / "dosdevices" /
                                                    (std::string(1, lower) + ":"));
            for (int j = 0; j < 3; ++j) {
                const int slot = ((letter - 'C') * 3 + j) % kSlotCount + 1;
                WriteNative(drive / NativeTail(catalogue.ExecutablePathOn(slot, letter)), "MZ");
                catalogue.SetStartParams(slot, letter, "/PARAM " + std::to_string(slot));
                catalogue.SetDriveLetter(slot, letter);
            }
        }
        WriteNative(m_root / "drive_c" / "ZELPULT.INI", ComposeConfigFile(catalogue, {}));
        platform = std::make_unique<posix::PosixPlatform>(posix::WinePrefix(m_root / "prefix"));
    }
    ~BenchWorld() {
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }
    BenchWorld(const BenchWorld&) = delete;
    BenchWorld& operator=(const BenchWorld&) = delete;

    std::unique_ptr<Platform> platform;

private:
    fs::path m_root;
};

BenchWorld& World() {
    static BenchWorld world;
    return world;
}

class NoScreen final : public ProgressView, public StartupControls, public MessageSink {
public:
    void ShowOverMainWindow() override {}
    void SetGauge(int progress) override { benchmark::DoNotOptimize(progress); }
    void SetLabel(std::string_view text) override { benchmark::DoNotOptimize(text.data()); }
    void ApplyConfig(const LauncherConfig&) override {}
    void ApplyRowStates(const RowStates& states) override {
        benchmark::DoNotOptimize(states.data());
    }
    void ShowMessageThen(std::string_view, MessageKind, std::string_view,
                         std::function<void()>) override {}
};

void BM_DriveMarking(benchmark::State& state) {
    Platform& platform = *World().platform;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MarkDrives(ReadDriveList(platform)));
    }
}
BENCHMARK(BM_DriveMarking);

void BM_ReadConfigFile(benchmark::State& state) {
    Platform& platform = *World().platform;
    ProgramCatalogue catalogue;
    catalogue.Fill();
    LauncherConfig config;
    for (auto _ : state) {
        ReadConfigFile(platform, kIni, catalogue, config);
        benchmark::DoNotOptimize(config);
    }
}
BENCHMARK(BM_ReadConfigFile);

void BM_SearchAllDrives(benchmark::State& state) {
    Platform& platform = *World().platform;
    ProgramCatalogue catalogue;
    catalogue.Fill();
    for (auto _ : state) {
        InstallationFinds finds;
        for (char letter = 'C'; letter <= 'Z'; ++letter) {
            SearchDrive(platform, catalogue, letter, finds);
        }
        benchmark::DoNotOptimize(finds);
    }
}
BENCHMARK(BM_SearchAllDrives);

// The scan without its display and pauses: marking, configuration, search, row states.
void BM_ScanCore(benchmark::State& state) {
    Platform& platform = *World().platform;
    ProgramCatalogue catalogue;
    catalogue.Fill();
    LauncherConfig config;
    for (auto _ : state) {
        const DriveTable table = MarkDrives(ReadDriveList(platform));
        ReadConfigFile(platform, kIni, catalogue, config);
        InstallationFinds finds;
        for (char letter = 'C'; letter <= 'Z'; ++letter) {
            if (table.IsMarked(letter)) {
                SearchDrive(platform, catalogue, letter, finds);
            }
        }
        benchmark::DoNotOptimize(ComputeRowStates(finds, config, catalogue));
    }
}
BENCHMARK(BM_ScanCore)->Unit(benchmark::kMillisecond);

void BM_CountingPause(benchmark::State& state) {
    for (auto _ : state) {
        CountingPause(state.range(0));
    }
}
BENCHMARK(BM_CountingPause)->Arg(kFirstPassPause)->Arg(kSecondPassPause);

// Everything, pauses included: 24 letters of each pass.
void BM_WholeScan(benchmark::State& state) {
    Platform& platform = *World().platform;
    ProgramCatalogue catalogue;
    catalogue.Fill();
    LauncherConfig config;
    DriveTable table;
    NoScreen screen;
    for (auto _ : state) {
        RunStartupScan(platform, kIni, {catalogue, config, table}, screen, screen, screen);
    }
}
BENCHMARK(BM_WholeScan)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zel

BENCHMARK_MAIN();
