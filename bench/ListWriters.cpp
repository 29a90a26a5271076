#include "ListWriters.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zel::bench {
namespace {

[[noreturn]] void Write(const std::filesystem::path& folder, const std::vector<std::string>& names,
                        const std::string& firstPage, int ready, int release) {
    char opened = 'y';
    for (const std::string& name : names) {
        const int fd = ::open((folder / name).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        if (fd < 0 || ::write(fd, firstPage.data(), firstPage.size()) !=
                          static_cast<ssize_t>(firstPage.size())) {
            opened = 'n';
        }
    }
    (void)!::write(ready, &opened, 1);
    ::close(ready);
    char byte = 0;
    while (::read(release, &byte, 1) < 0 && errno == EINTR) {
    }
    ::_exit(0);
}

} // namespace

ListWriters::ListWriters(const std::filesystem::path& folder, const std::vector<std::string>& names,
                         const std::string& firstPage, int listsPerWriter) {
    int release[2];
    if (::pipe2(release, O_CLOEXEC) != 0) {
        m_writing = false;
        return;
    }
    m_release = release[1];
    for (std::size_t first = 0; first < names.size();
         first += static_cast<std::size_t>(listsPerWriter)) {
        const std::size_t end =
            std::min(names.size(), first + static_cast<std::size_t>(listsPerWriter));
        const std::vector<std::string> share(names.begin() + static_cast<std::ptrdiff_t>(first),
                                             names.begin() + static_cast<std::ptrdiff_t>(end));
        int ready[2];
        if (::pipe2(ready, O_CLOEXEC) != 0) {
            m_writing = false;
            return;
        }
        const pid_t writer = ::fork();
        if (writer == 0) {
            ::close(release[1]);
            ::close(ready[0]);
            Write(folder, share, firstPage, ready[1], release[0]);
        }
        ::close(ready[1]);
        char opened = 'n';
        if (writer < 0 || ::read(ready[0], &opened, 1) != 1 || opened != 'y') {
            m_writing = false;
        }
        ::close(ready[0]);
        if (writer > 0) {
            m_writers.push_back(writer);
        }
    }
    ::close(release[0]);
}

ListWriters::~ListWriters() {
    ::close(m_release);
    for (const pid_t writer : m_writers) {
        ::waitpid(writer, nullptr, 0);
    }
}

} // namespace zel::bench
