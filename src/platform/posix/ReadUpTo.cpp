#include "platform/posix/ReadUpTo.h"

#include "platform/IoError.h"

#include <cerrno>
#include <unistd.h>

namespace zel::posix {

std::string ReadUpTo(int fd, std::size_t maxBytes) {
    std::string buffer(maxBytes, '\0');
    std::size_t got = 0;
    while (got < maxBytes) {
        const ssize_t n = ::read(fd, buffer.data() + got, maxBytes - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            throw IoError(IoErrorKind::ReadError);
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    buffer.resize(got);
    return buffer;
}

} // namespace zel::posix
