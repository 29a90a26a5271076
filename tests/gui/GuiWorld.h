#pragma once
// A test world for the windows: drive C with the launcher's folder C:\ZELKOR as the current
// directory, and a platform whose version, drive type and executable path a test may
// replace.

#include "platform/IoError.h"
#include "support/ForwardingPlatform.h"
#include "support/WineWorld.h"

#include <QString>
#include <filesystem>
#include <optional>

class QWidget;

namespace zel::test {

class GuiPlatform final : public ForwardingPlatform {
public:
    using ForwardingPlatform::ForwardingPlatform;

    PlatformVersion Version() override { return version.value_or(Inner().Version()); }
    DriveType GetDriveType(char letter) override {
        return driveType.value_or(Inner().GetDriveType(letter));
    }
    std::string ExecutablePath() override {
        return executablePath.value_or(Inner().ExecutablePath());
    }
    std::unique_ptr<InputFile> OpenExecutableForRead() override {
        return executablePath ? OpenForRead(*executablePath) : Inner().OpenExecutableForRead();
    }
    std::unique_ptr<InputFile> OpenForRead(std::string_view dosPath) override {
        auto file = Inner().OpenForRead(dosPath);
        return readFails ? std::make_unique<FailingFile>() : std::move(file);
    }

    std::optional<PlatformVersion> version;
    std::optional<DriveType> driveType;
    std::optional<std::string> executablePath;
    // A file that opens but fails at its first read.
    bool readFails = false;

private:
    class FailingFile final : public InputFile {
    public:
        std::uint64_t Size() override { return 1; }
        std::string Read(std::size_t) override { throw IoError(IoErrorKind::ReadError); }
    };
};

class GuiWorld final {
public:
    GuiWorld();
    ~GuiWorld();
    GuiWorld(const GuiWorld&) = delete;
    GuiWorld& operator=(const GuiWorld&) = delete;

    // An empty ZELPULT.INI in C:\ZELKOR: the launcher starts in normal mode.
    void WriteConfig();
    void EnterDirectory(const std::filesystem::path& native);

    WineWorld world;
    GuiPlatform platform;

private:
    std::filesystem::path m_oldDirectory;
};

// Closes the next modal message box that opens and keeps its text.
class ModalWatch final {
public:
    ModalWatch();
    ~ModalWatch();
    [[nodiscard]] const QString& Seen() const { return m_seen; }

private:
    QString m_seen;
    bool m_fired = false;
};

} // namespace zel::test
