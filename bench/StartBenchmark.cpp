// From asking the platform to start a program to the stand-in's first act (its log file),
// natively and in DOSBox. Each round waits until the program has ended before the next.

#include "dos/DosBoxStartPlan.h"
#include "launch/ProgramInformationFile.h"
#include "platform/posix/PosixPlatform.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kMark = "ZEL_BENCH_START=1";
constexpr const char* kMarkName = "ZEL_BENCH_START";

// A prefix with drive C: and the stand-in as C:\ZELKONYV.97\A97.EXE.
class BenchWorld {
public:
    explicit BenchWorld(const char* standIn) {
        std::string pattern = (fs::temp_directory_path() / "zelbench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        m_root = pattern;
        fs::create_directories(m_root / "prefix" / "dosdevices");
        fs::create_directories(m_root / "drive_c" / "ZELKONYV.97");
        fs::create_directory_symlink(m_root / "drive_c", m_root / "prefix" / "dosdevices" / "c:");
        fs::copy_file(fs::path(ZEL_BIN_DIR) / standIn,
                      m_root / "drive_c" / "ZELKONYV.97" / "A97.EXE");
        ::setenv("WINEPREFIX", (m_root / "prefix").c_str(), 1);
        ::setenv(kMarkName, "1", 1);
        ::unsetenv("DISPLAY");
        ::unsetenv("WAYLAND_DISPLAY");
        m_platform =
            std::make_unique<zel::posix::PosixPlatform>(zel::posix::WinePrefix(m_root / "prefix"));
        m_platform->UseDosStart(m_dosStart);
        zel::WriteProgramInformationFile(*m_platform, "C:\\ZELKONYV.97\\A97.PIF", "A97.EXE",
                                         "C:\\ZELKONYV.97\\A97.EXE", "C:\\ZELKONYV.97",
                                         "SERVER /KILEP");
    }
    ~BenchWorld() {
        WaitForNoneRunning();
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }
    BenchWorld(const BenchWorld&) = delete;
    BenchWorld& operator=(const BenchWorld&) = delete;

    [[nodiscard]] fs::path Log() const {
        return m_root / "drive_c" / "ZELKONYV.97" / "STANDIN.LOG";
    }
    zel::Platform& Platform() { return *m_platform; }

    static void WaitForNoneRunning() {
        while (AnyRunning()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

private:
    static bool AnyRunning() {
        std::error_code ec;
        for (fs::directory_iterator it("/proc", ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (name.find_first_not_of("0123456789") != std::string::npos ||
                std::stol(name) == ::getpid()) {
                continue;
            }
            std::ifstream in(it->path() / "environ", std::ios::binary);
            std::ostringstream content;
            content << in.rdbuf();
            const std::string environment = '\0' + content.str();
            if (environment.find('\0' + std::string(kMark) + '\0') != std::string::npos) {
                return true;
            }
        }
        return false;
    }

    fs::path m_root;
    zel::DosBoxStartPlanner m_dosStart;
    std::unique_ptr<zel::posix::PosixPlatform> m_platform;
};

void StartToFirstAct(benchmark::State& state, const char* standIn) {
    BenchWorld world(standIn);
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(world.Log());
        state.ResumeTiming();
        if (!world.Platform()
                 .StartProgram({"C:\\ZELKONYV.97\\A97.EXE", "C:\\ZELKONYV.97", "SERVER /KILEP",
                                "A97.EXE", "C:\\ZELKONYV.97\\A97.PIF", std::nullopt, std::nullopt})
                 .Started()) {
            state.SkipWithError("the program did not start");
            break;
        }
        std::error_code ec;
        while (!fs::exists(world.Log(), ec)) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        state.PauseTiming();
        BenchWorld::WaitForNoneRunning();
        state.ResumeTiming();
    }
}

void BM_StartNative(benchmark::State& state) {
    StartToFirstAct(state, "standin");
}
void BM_StartInDosBox(benchmark::State& state) {
    if (std::system("command -v dosbox > /dev/null") != 0) {
        state.SkipWithError("DOSBox is not installed");
        return;
    }
    StartToFirstAct(state, "STANDIN.EXE");
}

BENCHMARK(BM_StartNative)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(BM_StartInDosBox)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

BENCHMARK_MAIN();
