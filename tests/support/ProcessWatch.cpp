#include "support/ProcessWatch.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

constexpr const char* kVariable = "ZEL_E2E_MARK";

std::vector<pid_t> AllProcesses() {
    std::vector<pid_t> pids;
    std::error_code ec;
    for (fs::directory_iterator it("/proc", ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.find_first_not_of("0123456789") == std::string::npos) {
            pids.push_back(static_cast<pid_t>(std::stol(name)));
        }
    }
    return pids;
}

std::string ReadProc(pid_t pid, const char* what) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + what, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace

ProcessMark::ProcessMark() {
    std::random_device random;
    const std::string value = std::to_string(::getpid()) + "-" + std::to_string(random());
    m_entry = std::string(kVariable) + "=" + value;
    ::setenv(kVariable, value.c_str(), 1);
}

ProcessMark::~ProcessMark() {
    KillAll();
    ::unsetenv(kVariable);
}

std::vector<pid_t> ProcessMark::Marked() const {
    std::vector<pid_t> marked;
    for (const pid_t pid : AllProcesses()) {
        if (pid == ::getpid()) {
            continue;
        }
        const std::string environment = ReadProc(pid, "environ");
        std::size_t start = 0;
        while (start < environment.size()) {
            const auto end = environment.find('\0', start);
            if (environment.compare(start, end - start, m_entry) == 0) {
                marked.push_back(pid);
                break;
            }
            start = end == std::string::npos ? environment.size() : end + 1;
        }
    }
    return marked;
}

void ProcessMark::KillAll() const {
    WaitUntil(
        [this] {
            const auto marked = Marked();
            for (const pid_t pid : marked) {
                ::kill(pid, SIGKILL);
            }
            return marked.empty();
        },
        20);
}

std::vector<pid_t> Holders(const fs::path& file) {
    std::vector<pid_t> holders;
    struct stat target {};
    if (::stat(file.c_str(), &target) != 0) {
        return holders;
    }
    for (const pid_t pid : AllProcesses()) {
        std::error_code ec;
        const fs::path fds = "/proc/" + std::to_string(pid) + "/fd";
        for (fs::directory_iterator it(fds, ec), end; !ec && it != end; it.increment(ec)) {
            struct stat st {};
            if (::stat(it->path().c_str(), &st) == 0 && st.st_dev == target.st_dev &&
                st.st_ino == target.st_ino) {
                holders.push_back(pid);
                break;
            }
        }
    }
    return holders;
}

std::vector<pid_t> ChildrenOf(pid_t parent) {
    std::vector<pid_t> children;
    for (const pid_t pid : AllProcesses()) {
        // The parent is the second field after the command name, which may hold blanks.
        const std::string stat = ReadProc(pid, "stat");
        const auto close = stat.rfind(')');
        if (close == std::string::npos) {
            continue;
        }
        std::istringstream fields(stat.substr(close + 2));
        char state = 0;
        pid_t ppid = 0;
        fields >> state >> ppid;
        if (ppid == parent) {
            children.push_back(pid);
        }
    }
    return children;
}

bool WaitUntil(const std::function<bool()>& condition, int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return condition();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

} // namespace zel::test
