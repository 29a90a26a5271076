#include "SleepingChildren.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zel::bench {
namespace {

constexpr std::int64_t kMaxChildren = 1000;

} // namespace

SleepingChildren::SleepingChildren(std::filesystem::path busyFile, int filesPerChild)
    : m_busyFile(std::move(busyFile)), m_filesPerChild(filesPerChild) {
    if (::pipe(m_pipe) != 0) {
        std::abort();
    }
    ::fcntl(m_pipe[1], F_SETFD, FD_CLOEXEC);
}

SleepingChildren::~SleepingChildren() {
    ::close(m_pipe[1]);
    ::close(m_pipe[0]);
    for (const pid_t child : m_children) {
        ::waitpid(child, nullptr, 0);
    }
}

bool SleepingChildren::Resize(std::int64_t count) {
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

void SleepingChildren::Sleep() {
    ::close(m_pipe[1]);
    for (int i = 0; i < m_filesPerChild; ++i) {
        (void)::open(m_busyFile.c_str(), O_RDONLY);
    }
    char byte = 0;
    while (::read(m_pipe[0], &byte, 1) < 0 && errno == EINTR) {
    }
    ::_exit(0);
}

} // namespace zel::bench
