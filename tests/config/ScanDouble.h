#pragma once
// A test world's platform with what this machine cannot give set by hand: drive facts per
// letter (a CD-ROM, a floppy, a network drive with its remote name) and a file that cannot be
// opened, whose reading fails after it was opened, or a disk too full to replace a file. Everything
// else is the real thing.

#include "platform/IoError.h"
#include "support/ForwardingPlatform.h"
#include "support/WineWorld.h"

#include <map>
#include <optional>
#include <string>

namespace zel::test {

class ScanDouble final : public ForwardingPlatform {
public:
    explicit ScanDouble(const WineWorld& world) : ForwardingPlatform(world.MakePlatform()) {}

    DriveType GetDriveType(char letter) override {
        const auto found = types.find(letter);
        return found == types.end() ? ForwardingPlatform::GetDriveType(letter) : found->second;
    }
    std::optional<std::string> RemoteName(char letter) override {
        const auto found = remoteNames.find(letter);
        return found == remoteNames.end() ? ForwardingPlatform::RemoteName(letter) : found->second;
    }
    std::unique_ptr<InputFile> OpenForRead(std::string_view dosPath) override {
        if (openFails) {
            throw IoError(IoErrorKind::AccessDenied);
        }
        auto file = ForwardingPlatform::OpenForRead(dosPath);
        if (!readFails) {
            return file;
        }
        return std::make_unique<FailingFile>();
    }

    std::unique_ptr<OutputFile> CreateReplacement(std::string_view dosPath) override {
        if (replaceFails) {
            throw IoError(IoErrorKind::DiskFull);
        }
        return ForwardingPlatform::CreateReplacement(dosPath);
    }

    std::map<char, DriveType> types;
    std::map<char, std::optional<std::string>> remoteNames;
    bool readFails = false;
    // Root reads whatever the permission bits say: a file it may not open is made here.
    bool openFails = false;
    // A full disk: no replacement can be made.
    bool replaceFails = false;

private:
    class FailingFile final : public InputFile {
    public:
        std::uint64_t Size() override { return 1; }
        std::string Read(std::size_t) override { throw IoError(IoErrorKind::ReadError); }
    };
};

} // namespace zel::test
