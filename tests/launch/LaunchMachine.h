#pragma once
// The machine a launch test runs on: a real test world whose platform answers what this
// machine cannot (the platform family, the file system of every drive, the clock, whether a
// printer is there), and records starts instead of carrying them out, each logged as "start"
// beside the messages.

#include "support/ForwardingPlatform.h"
#include "support/WineWorld.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zel::test {

// The file system every drive reports.
inline void AnswerFileSystem(ForwardingPlatform& platform, std::optional<std::string> name) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        platform.fileSystems[letter] = name;
    }
}

inline void AnswerNtFamily(ForwardingPlatform& platform, bool ntFamily) {
    platform.version = PlatformVersion{10, 0, ntFamily};
}

[[nodiscard]] inline std::unique_ptr<ForwardingPlatform>
MakeLaunchMachine(const WineWorld& world, std::vector<std::string>& log) {
    auto platform = std::make_unique<ForwardingPlatform>(world.MakePlatform());
    AnswerNtFamily(*platform, false);
    platform->now = LocalDateTime{2025, 1, 15, 9, 30, 0};
    AnswerFileSystem(*platform, "FAT");
    platform->hasCharacterPrinter = true;
    platform->recordStarts = true;
    platform->onStart = [&log](const StartRequest&) { log.push_back("start"); };
    return platform;
}

} // namespace zel::test
