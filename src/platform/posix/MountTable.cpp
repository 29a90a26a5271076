#include "platform/posix/MountTable.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <poll.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel::posix {
namespace {

bool IsOctalDigit(char c) {
    return c >= '0' && c <= '7';
}

// The kernel writes space, tab, newline and backslash in names as three octal digits.
std::string Unescape(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && IsOctalDigit(field[i + 1]) &&
            IsOctalDigit(field[i + 2]) && IsOctalDigit(field[i + 3])) {
            const int value =
                (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            out += static_cast<char>(value);
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

std::vector<std::string_view> SplitAtSpaces(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        if (end > start) {
            fields.push_back(line.substr(start, end - start));
        }
        start = end + 1;
    }
    return fields;
}

// "36 35 98:0 /mnt1 /mnt2 rw,noatime master:1 - ext3 /dev/root rw,errors=continue": the
// optional fields before "-" vary in number.
std::optional<Mount> ParseLine(std::string_view line) {
    const auto fields = SplitAtSpaces(line);
    const auto separator = std::find(fields.begin(), fields.end(), std::string_view("-"));
    if (fields.size() < 6 || separator - fields.begin() < 6 || fields.end() - separator < 3) {
        return std::nullopt;
    }
    Mount mount{Unescape(fields[4]), Unescape(separator[1]), Unescape(separator[2])};
    if (!mount.mountPoint.is_absolute()) {
        return std::nullopt;
    }
    return mount;
}

// The whole text from the start of an open table.
std::optional<std::string> ReadFrom(int fd) {
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        return std::nullopt;
    }
    std::string text;
    char block[16384];
    for (;;) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return std::nullopt;
        }
        if (n == 0) {
            return text;
        }
        text.append(block, static_cast<std::size_t>(n));
    }
}

} // namespace

std::vector<Mount> ParseMountInfo(std::string_view text) {
    std::vector<Mount> mounts;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (auto mount = ParseLine(text.substr(start, end - start))) {
            mounts.push_back(std::move(*mount));
        }
        start = end + 1;
    }
    return mounts;
}

std::shared_ptr<const std::vector<Mount>> ReadMountTable() {
    // Every drive question asks for the table; the kernel reads it out anew only when a
    // poll of the open table reports that the mounts changed since the last poll.
    static std::mutex guard;
    static int fd = -1;
    static std::shared_ptr<const std::vector<Mount>> known;
    const std::lock_guard lock(guard);
    if (fd < 0) {
        fd = ::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            return std::make_shared<const std::vector<Mount>>();
        }
    }
    pollfd changed{fd, POLLPRI, 0};
    if (::poll(&changed, 1, 0) < 0 || (changed.revents & (POLLPRI | POLLERR)) != 0) {
        known.reset();
    }
    if (!known) {
        const auto text = ReadFrom(fd);
        if (!text) {
            return std::make_shared<const std::vector<Mount>>();
        }
        known = std::make_shared<const std::vector<Mount>>(ParseMountInfo(*text));
    }
    return known;
}

std::optional<Mount> MountHolding(const std::vector<Mount>& mounts, const fs::path& path) {
    const Mount* best = nullptr;
    std::ptrdiff_t bestDepth = -1;
    for (const auto& mount : mounts) {
        // Component by component, so that /mnt/a does not hold /mnt/ab.
        std::ptrdiff_t depth = 0;
        auto pathIt = path.begin();
        bool holds = true;
        for (const auto& part : mount.mountPoint) {
            if (part.empty()) {
                continue;
            }
            if (pathIt == path.end() || *pathIt != part) {
                holds = false;
                break;
            }
            ++pathIt;
            ++depth;
        }
        if (holds && depth >= bestDepth) {
            best = &mount;
            bestDepth = depth;
        }
    }
    if (best == nullptr) {
        return std::nullopt;
    }
    return *best;
}

} // namespace zel::posix
