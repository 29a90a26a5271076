#include "platform/posix/StatusStamp.h"

namespace zel::posix {

FileStamp StampOfStatus(const struct stat& st) {
    constexpr std::int64_t kNsPerSecond = 1'000'000'000;
    return FileStamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                     static_cast<std::uint64_t>(st.st_size),
                     st.st_mtim.tv_sec * kNsPerSecond + st.st_mtim.tv_nsec,
                     st.st_ctim.tv_sec * kNsPerSecond + st.st_ctim.tv_nsec};
}

} // namespace zel::posix
