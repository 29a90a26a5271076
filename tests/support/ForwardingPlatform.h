#pragma once
// A platform that passes every call to a real one underneath, so that a test can replace
// just the answer this machine cannot give (an NTFS volume, an old version, a clock).

#include "platform/Platform.h"

#include <memory>

namespace zel::test {

class ForwardingPlatform : public Platform {
public:
    explicit ForwardingPlatform(std::unique_ptr<Platform> inner) : m_inner(std::move(inner)) {}

    std::string CurrentDirectory() override { return m_inner->CurrentDirectory(); }
    bool SetCurrentDirectory(std::string_view p) override {
        return m_inner->SetCurrentDirectory(p);
    }
    std::string ExecutablePath() override { return m_inner->ExecutablePath(); }
    PlatformVersion Version() override { return m_inner->Version(); }
    LocalDateTime Now() override { return m_inner->Now(); }

    std::vector<char> PresentDrives() override { return m_inner->PresentDrives(); }
    DriveType GetDriveType(char l) override { return m_inner->GetDriveType(l); }
    std::optional<std::string> VolumeLabel(char l) override { return m_inner->VolumeLabel(l); }
    std::optional<std::string> FileSystemName(char l) override {
        return m_inner->FileSystemName(l);
    }
    std::optional<std::string> RemoteName(char l) override { return m_inner->RemoteName(l); }

    bool FileExists(std::string_view p) override { return m_inner->FileExists(p); }
    bool DirectoryExists(std::string_view p) override { return m_inner->DirectoryExists(p); }
    bool FolderWritable(std::string_view p) override { return m_inner->FolderWritable(p); }
    bool CreateDirectory(std::string_view p) override { return m_inner->CreateDirectory(p); }
    bool RemoveDirectory(std::string_view p) override { return m_inner->RemoveDirectory(p); }
    std::vector<DirEntry> FindFiles(std::string_view f, std::string_view p) override {
        return m_inner->FindFiles(f, p);
    }
    bool RenameFile(std::string_view f, std::string_view t) override {
        return m_inner->RenameFile(f, t);
    }
    bool DeleteFile(std::string_view p) override { return m_inner->DeleteFile(p); }
    std::optional<LocalDateTime> LastWriteTime(std::string_view p) override {
        return m_inner->LastWriteTime(p);
    }
    std::optional<FileStamp> Stamp(std::string_view p) override { return m_inner->Stamp(p); }
    bool SetLastWriteTime(std::string_view p, const LocalDateTime& t) override {
        return m_inner->SetLastWriteTime(p, t);
    }
    std::unique_ptr<InputFile> OpenForRead(std::string_view p) override {
        return m_inner->OpenForRead(p);
    }
    std::unique_ptr<InputFile> OpenExecutableForRead() override {
        return m_inner->OpenExecutableForRead();
    }
    std::unique_ptr<InputFile> OpenRegularFileForRead(std::string_view p) override {
        return m_inner->OpenRegularFileForRead(p);
    }
    FileClaim ClaimFile(std::string_view f, std::string_view n,
                        const std::optional<FileStamp>& e) override {
        return m_inner->ClaimFile(f, n, e);
    }
    std::unique_ptr<OutputFile> CreateForWrite(std::string_view p) override {
        return m_inner->CreateForWrite(p);
    }
    std::unique_ptr<OutputFile> CreateReplacement(std::string_view p) override {
        return m_inner->CreateReplacement(p);
    }
    std::unique_ptr<SharingProbe> MakeSharingProbe() override {
        return m_inner->MakeSharingProbe();
    }
    StartOutcome StartProgram(const StartRequest& r) override { return m_inner->StartProgram(r); }
    bool HasCharacterPrinter(std::string_view p) override {
        return m_inner->HasCharacterPrinter(p);
    }
    std::string ToNativePath(std::string_view p) override { return m_inner->ToNativePath(p); }
    std::optional<std::string> FromNativePath(std::string_view n) override {
        return m_inner->FromNativePath(n);
    }
    std::string ShortcutFolder(ShortcutFolderKind k) override { return m_inner->ShortcutFolder(k); }
    ShortcutResult CreateShortcut(const ShortcutPlace& p, std::string_view t,
                                  std::string_view w) override {
        return m_inner->CreateShortcut(p, t, w);
    }
    bool DeleteShortcut(const ShortcutPlace& p) override { return m_inner->DeleteShortcut(p); }

    [[nodiscard]] Platform& Inner() { return *m_inner; }

private:
    std::unique_ptr<Platform> m_inner;
};

} // namespace zel::test
