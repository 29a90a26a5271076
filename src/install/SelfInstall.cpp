#include "install/SelfInstall.h"

#include "install/LauncherShortcuts.h"
#include "platform/IoError.h"
#include "platform/WholeFile.h"
#include "text/AsciiUpper.h"
#include "text/CodePage1250.h"

#include <cmath>

namespace zel {
namespace {

constexpr std::size_t kBlockSize = 512;

void CreateEmptyIfMissing(Platform& platform, const std::string& path) {
    if (platform.FileExists(path)) {
        return;
    }
    try {
        platform.CreateForWrite(path)->Close();
    } catch (const IoError&) {
        // Left for the launcher to create at its first exit.
    }
}

void CopyBlocks(InputFile& in, OutputFile& out, const CopyFeedback& feedback) {
    const std::uint64_t size = in.Size();
    const std::uint64_t blocks = size / kBlockSize;
    for (std::uint64_t k = 1; k <= blocks; ++k) {
        const std::string block = in.Read(kBlockSize);
        if (block.size() != kBlockSize) {
            throw IoError(io_text::kReadError);
        }
        out.Write(block);
        if (feedback.progress) {
            const double share = static_cast<double>(k) / static_cast<double>(blocks);
            feedback.progress(static_cast<int>(std::lround(share * 100.0)));
        }
        if (feedback.pause) {
            feedback.pause();
        }
    }
    const std::size_t rest = static_cast<std::size_t>(size % kBlockSize);
    const std::string tail = in.Read(rest);
    if (tail.size() != rest) {
        throw IoError(io_text::kReadError);
    }
    out.Write(tail);
    out.Close();
}

} // namespace

std::string InstallDirectory(char drive) {
    return std::string(1, AsciiUpper(drive)) + ":\\ZELKOR";
}

void CopyLauncher(Platform& platform, const std::string& target, const CopyFeedback& feedback) {
    const std::string source = platform.ExecutablePath();
    if (source.empty()) {
        throw IoError(io_text::kFileNotFound);
    }
    const std::string temporary = ReplacementName(target);
    try {
        auto in = platform.OpenForRead(source);
        auto out = platform.CreateForWrite(temporary);
        CopyBlocks(*in, *out, feedback);
    } catch (const IoError&) {
        (void)platform.DeleteFile(temporary);
        throw;
    }
    (void)platform.SetLastWriteTime(temporary, kLauncherStamp);
    if (!platform.RenameFile(temporary, target)) {
        (void)platform.DeleteFile(temporary);
        throw IoError(io_text::kAccessDenied);
    }
}

void InstallLauncher(Platform& platform, MessageSink& messages, const SelfInstallChoice& choice,
                     const CopyFeedback& feedback) {
    const std::string directory = InstallDirectory(choice.drive);
    const bool made = platform.CreateDirectory(directory);
    // A drive that is there but takes no folder is write-protected: say so, rather than that
    // the copy's file was not found.
    if (!made && !platform.DirectoryExists(directory) &&
        platform.DirectoryExists(directory.substr(0, 3))) {
        throw IoError(io_text::kAccessDenied);
    }
    (void)platform.SetCurrentDirectory(directory.substr(0, 3));
    try {
        CopyLauncher(platform, directory + "\\ZELPULT.EXE", feedback);
    } catch (const IoError&) {
        // A first installation that failed leaves no empty folder behind.
        if (made) {
            (void)platform.SetCurrentDirectory("C:\\");
            (void)platform.RemoveDirectory(directory);
        }
        throw;
    }
    CreateEmptyIfMissing(platform, directory + "\\ZELPULT.INI");
    (void)platform.SetCurrentDirectory("C:\\");
    if (choice.programGroup) {
        CreateShortcuts(platform, ShortcutKind::ProgramGroup, directory);
    }
    if (choice.desktopShortcut) {
        CreateShortcuts(platform, ShortcutKind::Desktop, directory);
    }
    messages.ShowMessage(Utf8ToCp1250("A telepítés sikeresen befejeződött !"),
                         MessageKind::Information, {});
}

} // namespace zel
