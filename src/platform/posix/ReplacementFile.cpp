#include "platform/posix/ReplacementFile.h"

#include "platform/posix/ErrnoText.h"
#include "platform/posix/WriteAll.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel::posix {
namespace {

constexpr int kMaxLinks = 40;

// The file a link in the target's place leads to, when the user made that link: they
// expect the file behind it to change. A link another user planted there is refused, as
// writing through it would overwrite a file of this user's that they never named.
fs::path ThroughLinks(fs::path target) {
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return target;
        }
        if (st.st_uid != ::geteuid()) {
            throw IoError(IoErrorKind::AccessDenied, target.string());
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) {
            ThrowErrno(ec.value(), target.string());
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    throw IoError(IoErrorKind::AccessDenied, target.string(), ELOOP);
}

class PosixReplacement final : public OutputFile {
public:
    PosixReplacement(fs::path target, std::string temporary, int fd, mode_t newMode,
                     bool keepOldMode)
        : m_target(std::move(target)), m_temporary(std::move(temporary)), m_fd(fd),
          m_newMode(newMode), m_keepOldMode(keepOldMode) {}
    ~PosixReplacement() override { Discard(); }
    PosixReplacement(const PosixReplacement&) = delete;
    PosixReplacement& operator=(const PosixReplacement&) = delete;

    void Write(std::string_view bytes) override {
        if (const int error = WriteAll(m_fd, bytes)) {
            Fail(error);
        }
    }

    void Close() override {
        KeepAttributes();
        if (::fsync(m_fd) != 0 && errno != EINVAL) {
            Fail(errno);
        }
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0) {
            Fail(errno);
        }
        if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
            Fail(errno);
        }
        m_temporary.clear();
    }

private:
    void KeepAttributes() {
        struct stat old {};
        // The mode is a courtesy: the file's bytes are what must arrive.
        if (!m_keepOldMode) {
            (void)::fchmod(m_fd, m_newMode);
            return;
        }
        if (::stat(m_target.c_str(), &old) != 0) {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            (void)::fchmod(m_fd, m_newMode & ~mask);
            return;
        }
        // A group this user is no member of is refused: the mode is still kept.
        (void)::fchown(m_fd, static_cast<uid_t>(-1), old.st_gid);
        (void)::fchmod(m_fd, old.st_mode & 07777);
    }

    [[noreturn]] void Fail(int error) {
        Discard();
        ThrowErrno(error, m_target.string());
    }

    void Discard() noexcept {
        if (m_fd >= 0) {
            ::close(m_fd);
            m_fd = -1;
        }
        if (!m_temporary.empty()) {
            ::unlink(m_temporary.c_str());
            m_temporary.clear();
        }
    }

    fs::path m_target;
    std::string m_temporary;
    int m_fd;
    mode_t m_newMode;
    bool m_keepOldMode;
};

std::unique_ptr<OutputFile> Begin(const fs::path& target, mode_t newMode, bool keepOldMode) {
    const fs::path resolved = ThroughLinks(target);
    std::string temporary =
        (resolved.parent_path() / ("~" + resolved.filename().string() + ".XXXXXX")).string();
    // mkostemp creates with O_EXCL: never through a name or link that is already there.
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        ThrowErrno(errno, temporary);
    }
    return std::make_unique<PosixReplacement>(resolved, std::move(temporary), fd, newMode,
                                              keepOldMode);
}

} // namespace

std::unique_ptr<OutputFile> BeginReplacement(const fs::path& target, mode_t newMode) {
    return Begin(target, newMode, true);
}

bool ReplaceNativeFile(const fs::path& target, std::string_view bytes, mode_t newMode) {
    try {
        auto file = Begin(target, newMode, false);
        file->Write(bytes);
        file->Close();
        return true;
    } catch (const IoError&) {
        return false;
    }
}

} // namespace zel::posix
