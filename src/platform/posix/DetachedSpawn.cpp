#include "platform/posix/DetachedSpawn.h"

#include "platform/posix/ProgramLock.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zel::posix {
namespace {

std::vector<char*> Pointers(const std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    pointers.reserve(texts.size() + 1);
    for (const auto& text : texts) {
        pointers.push_back(const_cast<char*>(text.c_str()));
    }
    pointers.push_back(nullptr);
    return pointers;
}

void CloseAllFrom(int first, int keep) {
    const auto all = [](int from, unsigned to) {
        if (::close_range(static_cast<unsigned>(from), to, 0) != 0) {
            const long limit = ::sysconf(_SC_OPEN_MAX);
            for (long fd = from; fd <= static_cast<long>(to) && fd < limit && fd < 65536; ++fd) {
                ::close(static_cast<int>(fd));
            }
        }
    };
    if (keep >= first) {
        if (keep > first) {
            all(first, static_cast<unsigned>(keep - 1));
        }
        all(keep + 1, UINT_MAX);
    } else {
        all(first, UINT_MAX);
    }
}

void NullStandardHandles() {
    const int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
        ::dup2(null, 0);
        ::dup2(null, 1);
        ::dup2(null, 2);
        if (null > 2) {
            ::close(null);
        }
    }
}

void Report(int pipe, int error) {
    [[maybe_unused]] const ssize_t n = ::write(pipe, &error, sizeof error);
}

[[noreturn]] void Execute(char* const* argv, char* const* envp, const char* folder,
                          const char* lockFile, int pipe) {
    for (int sig = 1; sig < NSIG; ++sig) {
        if (sig != SIGKILL && sig != SIGSTOP) {
            ::signal(sig, SIG_DFL);
        }
    }
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    int lockError = 0;
    if (*lockFile != '\0' && TakeProgramLock(lockFile, lockError) < 0 && lockError != 0) {
        // Negative: the lock, not the program, is what failed.
        Report(pipe, -lockError);
        ::_exit(127);
    }
    if (::chdir(folder) != 0) {
        Report(pipe, errno);
        ::_exit(127);
    }
    ::execve(argv[0], argv, envp);
    Report(pipe, errno);
    ::_exit(127);
}

// The process that waits for the program to end and then removes its private folder.
[[noreturn]] void Attend(pid_t program, const std::vector<char*>& leftovers, const char* folder) {
    int status = 0;
    while (::waitpid(program, &status, 0) < 0 && errno == EINTR) {
    }
    for (char* file : leftovers) {
        if (file != nullptr) {
            ::unlink(file);
        }
    }
    ::rmdir(folder);
    ::_exit(0);
}

} // namespace

StartOutcome SpawnDetached(const SpawnPlan& plan) {
    if (plan.argv.empty()) {
        return StartOutcome::Failure();
    }
    const std::vector<char*> argv = Pointers(plan.argv);
    const std::vector<char*> envp = Pointers(plan.environment);
    const std::vector<char*> leftovers = Pointers(plan.leftovers);
    const bool attended = !plan.leftoverFolder.empty();

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return StartOutcome::Failure(errno);
    }
    const pid_t first = ::fork();
    if (first < 0) {
        const int error = errno;
        ::close(report[0]);
        ::close(report[1]);
        return StartOutcome::Failure(error);
    }
    if (first == 0) {
        ::close(report[0]);
        ::setsid();
        NullStandardHandles();
        CloseAllFrom(3, report[1]);
        const pid_t second = ::fork();
        if (second != 0) {
            if (second < 0) {
                Report(report[1], errno);
            }
            ::_exit(0);
        }
        if (attended) {
            const pid_t program = ::fork();
            if (program == 0) {
                Execute(argv.data(), envp.data(), plan.workingFolder.c_str(), plan.lockFile.c_str(),
                        report[1]);
            }
            if (program < 0) {
                Report(report[1], errno);
            }
            ::close(report[1]);
            Attend(program, leftovers, plan.leftoverFolder.c_str());
        }
        Execute(argv.data(), envp.data(), plan.workingFolder.c_str(), plan.lockFile.c_str(),
                report[1]);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(first, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got = 0;
    do {
        got = ::read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    if (got == 0) {
        return StartOutcome::Success();
    }
    if (error == -EAGAIN) {
        return {StartOutcomeKind::LockTaken, EAGAIN};
    }
    return StartOutcome::Failure(error < 0 ? -error : error);
}

} // namespace zel::posix
