#pragma once
// The launcher installing itself: a copy of its own executable in X:\ZELKOR, an empty
// configuration file beside it unless one is there, and the shortcuts asked for. Started
// from such a shortcut, the launcher finds its configuration and runs normally.

#include "platform/MessageSink.h"
#include "platform/Platform.h"
#include "text/DosPath.h"

#include <functional>
#include <string>

namespace zel {

struct SelfInstallChoice {
    char drive = 'C';
    bool programGroup = true;
    bool desktopShortcut = true;
};

struct CopyFeedback {
    // 0 to 100 after each block of the copy.
    std::function<void(int)> progress;
    // After each block, so that the bar can be seen to move.
    std::function<void()> pause;
};

inline constexpr LocalDateTime kLauncherStamp{2025, 1, 1, 12, 0, 0};

// "X:\ZELKOR" for drive X, in capitals.
DosPath InstallDirectory(char drive);

// Copies the running executable to target through a replacement, in place only when whole,
// stamped with kLauncherStamp. On failure an earlier target is untouched and IoError is
// thrown.
void CopyLauncher(Platform& platform, const DosPath& target, const CopyFeedback& feedback);

// The whole installation, ending with the success message. A failure, the configuration
// file that cannot be made among them, throws IoError before any message, for the
// application's handler to tell.
void InstallLauncher(Platform& platform, MessageSink& messages, const SelfInstallChoice& choice,
                     const CopyFeedback& feedback);

} // namespace zel
