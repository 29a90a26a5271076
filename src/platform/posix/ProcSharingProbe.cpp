#include "platform/posix/ProcSharingProbe.h"

#include <fcntl.h>
#include <unistd.h>

namespace zel::posix {
namespace {

class OpenProbe final : public SharingProbe {
public:
    explicit OpenProbe(const WinePrefix& prefix) : m_prefix(prefix) {}

    bool CanOpenExclusive(std::string_view dosPath) override { return CanOpenForWriting(dosPath); }
    bool CanOpenDenyWrite(std::string_view dosPath) override { return CanOpenForWriting(dosPath); }

private:
    bool CanOpenForWriting(std::string_view dosPath) {
        const auto native = m_prefix.ToNative(dosPath);
        if (!native) {
            return false;
        }
        const int fd = ::open(native->c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) {
            return false;
        }
        ::close(fd);
        return true;
    }

    const WinePrefix& m_prefix;
};

} // namespace

std::unique_ptr<SharingProbe> MakeProcSharingProbe(const WinePrefix& prefix) {
    return std::make_unique<OpenProbe>(prefix);
}

} // namespace zel::posix
