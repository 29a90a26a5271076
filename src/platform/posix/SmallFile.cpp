#include "platform/posix/SmallFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zel::posix {

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::size_t cap) {
    // Non-blocking, so that opening a FIFO does not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat st {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        bytes.emplace();
        char block[64 * 1024];
        while (bytes->size() < cap) {
            const ::ssize_t count = ::read(fd, block, std::min(sizeof(block), cap - bytes->size()));
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count < 0) {
                bytes.reset();
                break;
            }
            if (count == 0) {
                break;
            }
            bytes->append(block, static_cast<std::size_t>(count));
        }
    }
    ::close(fd);
    return bytes;
}

} // namespace zel::posix
