#include "support/OwnPidNamespace.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <stdexcept>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zel::test {
namespace {

constexpr int kNoNamespace = 200;
constexpr int kBodyFailed = 201;

int ExitCode(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return kBodyFailed;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : kBodyFailed;
}

// The namespace's first process: the mount namespace is private, so its /proc stays its own.
[[noreturn]] void RunFirst(const std::function<int()>& body) {
    if (::mount("proc", "/proc", "proc", MS_NOSUID | MS_NODEV | MS_NOEXEC, nullptr) != 0) {
        ::_exit(kNoNamespace);
    }
    int result = kBodyFailed;
    try {
        result = body();
    } catch (...) {
    }
    ::_exit(result);
}

} // namespace

OwnPidNamespace::OwnPidNamespace(const std::function<int()>& body) {
    m_child = ::fork();
    if (m_child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (m_child != 0) {
        return;
    }
    if (::unshare(CLONE_NEWPID | CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        ::_exit(kNoNamespace);
    }
    const pid_t first = ::fork();
    if (first == 0) {
        // Killing the outer process takes the namespace down with it.
        if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0) {
            ::_exit(kBodyFailed);
        }
        RunFirst(body);
    }
    ::_exit(first < 0 ? kNoNamespace : ExitCode(first));
}

OwnPidNamespace::~OwnPidNamespace() {
    if (m_child > 0) {
        ::kill(m_child, SIGKILL);
        ::waitpid(m_child, nullptr, 0);
    }
}

std::optional<int> OwnPidNamespace::Wait() {
    const int code = ExitCode(m_child);
    m_child = -1;
    if (code == kNoNamespace) {
        return std::nullopt;
    }
    return code;
}

bool OwnPidNamespace::Available() {
    OwnPidNamespace trial([] { return 0; });
    return trial.Wait().has_value();
}

Gate::Gate() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    m_read = ends[0];
    m_write = ends[1];
}

Gate::~Gate() {
    ::close(m_read);
    ::close(m_write);
}

void Gate::Open() {
    const char byte = 1;
    while (::write(m_write, &byte, 1) < 0 && errno == EINTR) {
    }
}

void Gate::Wait() const {
    char byte = 0;
    while (::read(m_read, &byte, 1) < 0 && errno == EINTR) {
    }
}

} // namespace zel::test
