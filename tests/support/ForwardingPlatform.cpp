#include "support/ForwardingPlatform.h"

#include "platform/IoError.h"

namespace zel::test {
namespace {

template <typename Answer>
std::optional<Answer> SetFor(const std::map<char, Answer>& answers, char letter) {
    const auto found = answers.find(letter);
    return found == answers.end() ? std::nullopt : std::optional<Answer>(found->second);
}

class FailingInput final : public InputFile {
public:
    std::uint64_t Size() override { return 1; }
    std::string Read(std::size_t) override { throw IoError(IoErrorKind::ReadError); }
};

class LimitedOutput final : public OutputFile {
public:
    LimitedOutput(std::unique_ptr<OutputFile> inner, std::size_t allowed)
        : m_inner(std::move(inner)), m_allowed(allowed) {}
    void Write(std::string_view bytes) override {
        if (bytes.size() > m_allowed) {
            throw IoError(IoErrorKind::DiskFull);
        }
        m_allowed -= bytes.size();
        m_inner->Write(bytes);
    }
    void Close() override { m_inner->Close(); }

private:
    std::unique_ptr<OutputFile> m_inner;
    std::size_t m_allowed;
};

class BlindProbe final : public SharingProbe {
public:
    explicit BlindProbe(Platform& platform) : m_platform(platform) {}
    SharingAnswer CanOpenExclusive(std::string_view path) override {
        return {m_platform.FileExists(path), std::nullopt};
    }
    SharingAnswer CanOpenDenyWrite(std::string_view path) override {
        return {m_platform.FileExists(path), std::nullopt};
    }

private:
    Platform& m_platform;
};

class HeldFilesProbe final : public SharingProbe {
public:
    HeldFilesProbe(std::unique_ptr<SharingProbe> inner, const std::set<std::string>& held)
        : m_inner(std::move(inner)), m_held(held) {}
    SharingAnswer CanOpenExclusive(std::string_view p) override {
        if (m_held.contains(std::string(p))) {
            return {false, std::nullopt};
        }
        return m_inner->CanOpenExclusive(p);
    }
    SharingAnswer CanOpenDenyWrite(std::string_view p) override {
        if (m_held.contains(std::string(p))) {
            return {false, std::nullopt};
        }
        return m_inner->CanOpenDenyWrite(p);
    }

private:
    std::unique_ptr<SharingProbe> m_inner;
    const std::set<std::string>& m_held;
};

class StubbornClaim final : public ClaimedFile {
public:
    StubbornClaim(const ForwardingPlatform& platform, std::unique_ptr<ClaimedFile> inner,
                  std::string name)
        : m_platform(platform), m_inner(std::move(inner)), m_name(std::move(name)) {}
    InputFile& Content() override { return m_inner->Content(); }
    std::optional<FileStamp> Stamp() override { return m_inner->Stamp(); }
    bool Rename(std::string_view name) override {
        if (m_platform.beforeRename) {
            m_platform.beforeRename();
        }
        if (m_platform.refuseRenames || m_name == m_platform.refuseRenamesOf ||
            !m_inner->Rename(name)) {
            return false;
        }
        m_name = name;
        return true;
    }
    bool Delete() override { return m_inner->Delete(); }

private:
    const ForwardingPlatform& m_platform;
    std::unique_ptr<ClaimedFile> m_inner;
    std::string m_name;
};

std::string LinkOf(const ShortcutPlace& place) {
    return place.folder + (place.group.empty() ? "" : "\\" + place.group) + "\\" + place.linkName;
}

} // namespace

std::string ForwardingPlatform::ExecutablePath() {
    return executablePath ? *executablePath : m_inner->ExecutablePath();
}

std::vector<char> ForwardingPlatform::PresentDrives() {
    return presentDrives ? *presentDrives : m_inner->PresentDrives();
}

DriveType ForwardingPlatform::GetDriveType(char letter) {
    const auto set = SetFor(driveTypes, letter);
    return set ? *set : m_inner->GetDriveType(letter);
}

std::optional<std::string> ForwardingPlatform::VolumeLabel(char letter) {
    const auto set = SetFor(volumeLabels, letter);
    return set ? *set : m_inner->VolumeLabel(letter);
}

std::optional<std::string> ForwardingPlatform::FileSystemName(char letter) {
    const auto set = SetFor(fileSystems, letter);
    return set ? *set : m_inner->FileSystemName(letter);
}

std::optional<std::string> ForwardingPlatform::RemoteName(char letter) {
    const auto set = SetFor(remoteNames, letter);
    return set ? *set : m_inner->RemoteName(letter);
}

bool ForwardingPlatform::FileExists(std::string_view path) {
    ++fileChecks;
    return m_inner->FileExists(path);
}

bool ForwardingPlatform::FolderWritable(std::string_view path) {
    return writableFolders ? writableFolders->contains(std::string(path))
                           : m_inner->FolderWritable(path);
}

bool ForwardingPlatform::CreateDirectory(std::string_view path) {
    return !(readOnlyBelow && path.starts_with(*readOnlyBelow)) && m_inner->CreateDirectory(path);
}

std::vector<DirEntry> ForwardingPlatform::FindFiles(std::string_view folder,
                                                    std::string_view pattern) {
    listedFolders.emplace_back(folder);
    return m_inner->FindFiles(folder, pattern);
}

std::unique_ptr<InputFile> ForwardingPlatform::OpenForRead(std::string_view path) {
    if (openFails) {
        throw IoError(IoErrorKind::AccessDenied);
    }
    auto file = m_inner->OpenForRead(path);
    if (readFails) {
        return std::make_unique<FailingInput>();
    }
    return file;
}

std::unique_ptr<InputFile> ForwardingPlatform::OpenExecutableForRead() {
    return executablePath ? OpenForRead(*executablePath) : m_inner->OpenExecutableForRead();
}

std::unique_ptr<InputFile> ForwardingPlatform::OpenRegularFileForRead(std::string_view path) {
    ++regularReads;
    return m_inner->OpenRegularFileForRead(path);
}

FileClaim ForwardingPlatform::ClaimFile(std::string_view folder, std::string_view name,
                                        const std::optional<FileStamp>& expected) {
    if (beforeClaim) {
        beforeClaim();
    }
    ++claims;
    FileClaim claim = m_inner->ClaimFile(folder, name, expected);
    if (claim.file) {
        claim.file =
            std::make_unique<StubbornClaim>(*this, std::move(claim.file), std::string(name));
    }
    return claim;
}

std::unique_ptr<OutputFile> ForwardingPlatform::Limited(std::unique_ptr<OutputFile> file) const {
    if (writeLimit) {
        return std::make_unique<LimitedOutput>(std::move(file), *writeLimit);
    }
    return file;
}

std::unique_ptr<OutputFile> ForwardingPlatform::CreateForWrite(std::string_view path) {
    if (deniedBelow && path.starts_with(*deniedBelow)) {
        throw IoError(IoErrorKind::AccessDenied);
    }
    return Limited(m_inner->CreateForWrite(path));
}

std::unique_ptr<OutputFile> ForwardingPlatform::CreateReplacement(std::string_view path) {
    if (replaceFails) {
        throw IoError(IoErrorKind::DiskFull);
    }
    if (deniedBelow && path.starts_with(*deniedBelow)) {
        throw IoError(IoErrorKind::AccessDenied);
    }
    return Limited(m_inner->CreateReplacement(path));
}

std::unique_ptr<SharingProbe> ForwardingPlatform::MakeSharingProbe() {
    if (blindProbe) {
        return std::make_unique<BlindProbe>(*m_inner);
    }
    if (!heldFiles.empty()) {
        return std::make_unique<HeldFilesProbe>(m_inner->MakeSharingProbe(), heldFiles);
    }
    return m_inner->MakeSharingProbe();
}

StartOutcome ForwardingPlatform::StartProgram(const StartRequest& request) {
    if (!recordStarts) {
        return m_inner->StartProgram(request);
    }
    started.push_back(request);
    if (onStart) {
        onStart(request);
    }
    return startOutcome;
}

std::string ForwardingPlatform::ShortcutFolder(ShortcutFolderKind kind) {
    if (!shortcutsAsFiles) {
        return m_inner->ShortcutFolder(kind);
    }
    return shortcutFolders[kind];
}

ShortcutResult ForwardingPlatform::CreateShortcut(const ShortcutPlace& place,
                                                  std::string_view target,
                                                  std::string_view workingDirectory) {
    if (!shortcutsAsFiles) {
        return m_inner->CreateShortcut(place, target, workingDirectory);
    }
    if (!m_inner->DirectoryExists(place.folder)) {
        return ShortcutResult::NoFolder;
    }
    const std::string group = place.folder + "\\" + place.group;
    if (!place.group.empty() && !m_inner->DirectoryExists(group) &&
        !m_inner->CreateDirectory(group)) {
        return ShortcutResult::GroupFailed;
    }
    const std::string link = LinkOf(place);
    madeShortcuts.push_back({link, std::string(target), std::string(workingDirectory)});
    try {
        m_inner->CreateForWrite(link)->Close();
    } catch (const IoError&) {
        return ShortcutResult::LinkFailed;
    }
    return ShortcutResult::Made;
}

bool ForwardingPlatform::DeleteShortcut(const ShortcutPlace& place) {
    if (!shortcutsAsFiles) {
        return m_inner->DeleteShortcut(place);
    }
    return m_inner->DeleteFile(LinkOf(place));
}

} // namespace zel::test
