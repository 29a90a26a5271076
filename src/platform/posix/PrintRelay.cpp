#include "platform/posix/PrintRelay.h"

#include "platform/PrinterCaptureSerial.h"
#include "platform/posix/LoopbackPeer.h"
#include "platform/posix/ProgramLock.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zel::posix {
namespace {

using Clock = std::chrono::steady_clock;

// Without a way to be told that DOSBox ended, it is looked for this often.
constexpr auto kExitPoll = std::chrono::milliseconds(250);

class Descriptor final {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { Reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    [[nodiscard]] int Get() const { return m_fd; }
    void Reset(int fd = -1) {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        m_fd = fd;
    }

private:
    int m_fd;
};

int Listen(unsigned short& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return -1;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    auto* generic = reinterpret_cast<sockaddr*>(&address);
    if (::bind(fd, generic, size) != 0 || ::listen(fd, 4) != 0 ||
        ::getsockname(fd, generic, &size) != 0) {
        ::close(fd);
        return -1;
    }
    port = ntohs(address.sin_port);
    return fd;
}

bool WriteNewFile(const std::string& path, const std::string& text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    return ::close(fd) == 0 && written;
}

// The relay has no threads, so the child may do what it likes before it executes DOSBox.
pid_t StartDosBox(std::vector<std::string> command, const std::string& serialConfig,
                  const std::string& lockFile) {
    command.emplace_back("-conf");
    command.push_back(serialConfig);
    std::vector<char*> argv;
    argv.reserve(command.size() + 1);
    for (auto& word : command) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        int lockError = 0;
        if (!lockFile.empty() && TakeProgramLock(lockFile.c_str(), lockError) < 0 &&
            lockError != 0) {
            ::_exit(127);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return child;
}

int ExitNotice(pid_t child) {
    return static_cast<int>(::syscall(SYS_pidfd_open, child, 0));
}

int Timeout(std::optional<Clock::time_point> until, bool polling) {
    auto wait = std::chrono::milliseconds(-1);
    if (until) {
        wait = std::max(std::chrono::milliseconds(0),
                        std::chrono::ceil<std::chrono::milliseconds>(*until - Clock::now()));
    }
    if (polling && (wait.count() < 0 || wait > kExitPoll)) {
        wait = kExitPoll;
    }
    return static_cast<int>(wait.count());
}

// Takes a connection from DOSBox, never from another user's process.
void Accept(int listener, Descriptor& connection) {
    const int fd = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) {
        return;
    }
    if (connection.Get() < 0 && LoopbackPeerUser(fd) == ::getuid()) {
        connection.Reset(fd);
    } else {
        ::close(fd);
    }
}

// False once the connection has ended.
bool Receive(Descriptor& connection, RelayedPrinting& jobs) {
    char buffer[16384];
    const ssize_t got = ::read(connection.Get(), buffer, sizeof buffer);
    if (got > 0) {
        jobs.Take({buffer, static_cast<std::size_t>(got)}, Clock::now());
        return true;
    }
    if (got < 0 && errno == EINTR) {
        return true;
    }
    connection.Reset();
    return false;
}

} // namespace

int RunPrintRelay(const PrintRelayRequest& request, const MakeRelayedPrinting& make,
                  RawPrinter& printer, KeptJobs& kept, PrinterGone printerGone) {
    unsigned short port = 0;
    const Descriptor listener(Listen(port));
    if (listener.Get() < 0 ||
        !WriteNewFile(request.serialConfig, PrinterCaptureSerialConfig(port))) {
        return 1;
    }
    const pid_t dosbox = StartDosBox(request.dosbox, request.serialConfig, request.lockFile);
    if (dosbox < 0) {
        return 1;
    }
    const Descriptor ended(ExitNotice(dosbox));

    const auto made =
        make({printer, request.printer, request.title, std::move(printerGone), &kept});
    RelayedPrinting& jobs = *made;
    Descriptor connection;
    int status = 0;
    bool running = true;
    while (running) {
        pollfd watched[] = {
            {listener.Get(), POLLIN, 0}, {connection.Get(), POLLIN, 0}, {ended.Get(), POLLIN, 0}};
        const int timeout = Timeout(jobs.NextWake(), ended.Get() < 0);
        if (::poll(watched, 3, timeout) < 0 && errno != EINTR) {
            break;
        }
        if ((watched[0].revents & POLLIN) != 0) {
            Accept(listener.Get(), connection);
        }
        if ((watched[1].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
            Receive(connection, jobs);
        }
        if (ended.Get() < 0 || (watched[2].revents & POLLIN) != 0) {
            running = ::waitpid(dosbox, &status, WNOHANG) == 0;
        }
        jobs.Work(Clock::now());
    }

    // DOSBox has ended: what it sent waits in the connection.
    while (connection.Get() >= 0 && Receive(connection, jobs)) {
    }
    jobs.Finish();
    return WIFEXITED(status) && WEXITSTATUS(status) != 127 ? 0 : 1;
}

} // namespace zel::posix
