#include "install/SelfInstall.h"

#include "catalogue/LauncherFiles.h"
#include "install/LauncherShortcuts.h"
#include "platform/IoError.h"
#include "text/AsciiUpper.h"
#include "text/CodePage1250.h"

#include <cmath>

namespace zel {
namespace {

constexpr std::size_t kBlockSize = 512;

// Without it the installed launcher would offer to install itself at every start.
void CreateEmptyIfMissing(Platform& platform, const DosPath& path) {
    if (!platform.FileExists(path)) {
        platform.CreateReplacement(path)->Close();
    }
}

void CopyBlocks(InputFile& in, OutputFile& out, const CopyFeedback& feedback) {
    const std::uint64_t size = in.Size();
    const std::uint64_t blocks = size / kBlockSize;
    for (std::uint64_t k = 1; k <= blocks; ++k) {
        const std::string block = in.Read(kBlockSize);
        if (block.size() != kBlockSize) {
            throw IoError(IoErrorKind::ReadError);
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
        throw IoError(IoErrorKind::ReadError);
    }
    out.Write(tail);
    out.Close();
}

} // namespace

DosPath InstallDirectory(char drive) {
    return DosPath(std::string(1, AsciiUpper(drive)) + ":\\") / kInstallFolderName;
}

void CopyLauncher(Platform& platform, const DosPath& target, const CopyFeedback& feedback) {
    auto in = platform.OpenExecutableForRead();
    auto out = platform.CreateReplacement(target);
    CopyBlocks(*in, *out, feedback);
    // The stamp only marks the copy as the shipped one; the copy is whole without it.
    (void)platform.SetLastWriteTime(target, kLauncherStamp);
}

void InstallLauncher(Platform& platform, MessageSink& messages, const SelfInstallChoice& choice,
                     const CopyFeedback& feedback) {
    const DosPath directory = InstallDirectory(choice.drive);
    const DosPath root = directory.Parent();
    const bool made = platform.CreateDirectory(directory);
    // A drive that is there but takes no folder is write-protected: say so, rather than that
    // the copy's file was not found.
    if (!made && !platform.DirectoryExists(directory) && platform.DirectoryExists(root)) {
        throw IoError(IoErrorKind::AccessDenied);
    }
    // The current folder is what the old panel set; every path below is whole.
    (void)platform.SetCurrentDirectory(root);
    const DosPath launcher = directory / kLauncherExecutable;
    const bool earlier = platform.FileExists(launcher);
    try {
        CopyLauncher(platform, launcher, feedback);
        CreateEmptyIfMissing(platform, directory / kConfigFileName);
    } catch (const IoError&) {
        // A first installation that failed leaves nothing behind: a copy without its
        // configuration file would only offer to install itself again. What cannot be
        // cleaned up stays; the error the user sees is the one that stopped the copy.
        if (!earlier) {
            (void)platform.DeleteFile(launcher);
        }
        if (made) {
            (void)platform.SetCurrentDirectory("C:\\");
            (void)platform.RemoveDirectory(directory);
        }
        throw;
    }
    // Leaving the folder lets it be removed later; staying in it harms nothing.
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
