#include "SocketPrinter.h"

#include "support/ProcessWatch.h"

#include <arpa/inet.h>
#include <cups/cups.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zel::test {
namespace {

constexpr unsigned short kPort = 9917;
// How long another test may keep the printer; it bounds a wait, it measures nothing.
constexpr int kPortPatience = 240;

int Listen() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int yes = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(kPort);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 4) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

SocketPrinter::SocketPrinter() {
    // Tests running at the same time share the one queue: each waits for the printer.
    int fd = -1;
    WaitUntil([&] { return (fd = Listen()) >= 0; }, kPortPatience);
    if (fd < 0 || ::pipe2(m_stop, O_CLOEXEC) != 0) {
        if (fd >= 0) {
            ::close(fd);
        }
        return;
    }
    m_listener = fd;
    m_thread = std::thread([this] { Serve(); });
}

SocketPrinter::~SocketPrinter() {
    if (m_thread.joinable()) {
        [[maybe_unused]] const ssize_t n = ::write(m_stop[1], "x", 1);
        m_thread.join();
    }
    for (const int fd : {m_listener, m_stop[0], m_stop[1]}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

std::vector<std::string> SocketPrinter::Jobs() const {
    const std::lock_guard lock(m_mutex);
    return m_jobs;
}

bool SocketPrinter::WaitForJobs(std::size_t count, int seconds) const {
    return WaitUntil([&] { return Jobs().size() >= count; }, seconds);
}

void SocketPrinter::Serve() {
    for (;;) {
        pollfd watched[] = {{m_listener, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
        if (::poll(watched, 2, -1) < 0 || watched[1].revents != 0) {
            return;
        }
        const int connection = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) {
            continue;
        }
        std::string job;
        char buffer[4096];
        for (ssize_t got; (got = ::read(connection, buffer, sizeof buffer)) > 0;) {
            job.append(buffer, static_cast<std::size_t>(got));
        }
        ::close(connection);
        const std::lock_guard lock(m_mutex);
        m_jobs.push_back(std::move(job));
    }
}

void CancelRawQueueJobs() {
    cupsCancelJob2(CUPS_HTTP_DEFAULT, kRawQueue, CUPS_JOBID_ALL, 0);
}

} // namespace zel::test
