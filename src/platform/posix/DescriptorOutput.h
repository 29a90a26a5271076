#pragma once
// An output stream onto a file descriptor, written through at once. The standard streams
// would do, but including them sets up every standard stream and locale facet at the start
// of each run of the launcher, for the few runs that are a command.

#include <ostream>
#include <streambuf>

namespace zel::posix {

class DescriptorOutput final : public std::streambuf {
public:
    explicit DescriptorOutput(int fd) : m_fd(fd) {}

protected:
    int_type overflow(int_type byte) override;
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;

private:
    int m_fd;
};

} // namespace zel::posix
