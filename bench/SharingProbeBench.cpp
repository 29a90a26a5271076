// What one sharing probe costs on a busy machine: its one pass over /proc, and the checks a
// spool tick asks of it afterwards.

#include "platform/posix/ProcSharingProbe.h"

#include <benchmark/benchmark.h>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kMaxChildren = 1000;
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

// Children asleep on one pipe: they hold a few files each and end when the pipe's writing
// end closes, which happens too when this program dies.
class SleepingChildren final {
public:
    explicit SleepingChildren(fs::path busyFile) : m_busyFile(std::move(busyFile)) {
        if (::pipe(m_pipe) != 0) {
            std::abort();
        }
        ::fcntl(m_pipe[1], F_SETFD, FD_CLOEXEC);
    }
    ~SleepingChildren() {
        ::close(m_pipe[1]);
        ::close(m_pipe[0]);
        for (const pid_t child : m_children) {
            ::waitpid(child, nullptr, 0);
        }
    }
    SleepingChildren(const SleepingChildren&) = delete;
    SleepingChildren& operator=(const SleepingChildren&) = delete;

    // False when the machine would not give that many.
    bool Resize(std::int64_t count) {
        count = std::min(count, kMaxChildren);
        while (static_cast<std::int64_t>(m_children.size()) > count) {
            ::kill(m_children.back(), SIGKILL);
            ::waitpid(m_children.back(), nullptr, 0);
            m_children.pop_back();
        }
        while (static_cast<std::int64_t>(m_children.size()) < count) {
            const pid_t child = ::fork();
            if (child < 0) {
                return false;
            }
            if (child == 0) {
                Sleep();
            }
            m_children.push_back(child);
        }
        return true;
    }

private:
    [[noreturn]] void Sleep() {
        ::close(m_pipe[1]);
        for (int i = 0; i < kFilesPerChild; ++i) {
            (void)::open(m_busyFile.c_str(), O_RDONLY);
        }
        char byte = 0;
        while (::read(m_pipe[0], &byte, 1) < 0 && errno == EINTR) {
        }
        ::_exit(0);
    }

    fs::path m_busyFile;
    int m_pipe[2] = {-1, -1};
    std::vector<pid_t> m_children;
};

BenchWorld& World() {
    static BenchWorld world;
    return world;
}

SleepingChildren& Children() {
    static SleepingChildren children(World().BusyFile());
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
