#pragma once
// A real test world that answers what this machine cannot: the platform family, the file
// system of a drive, the clock, which lock files a running program holds, and whether a
// printer is there. Starts and the printer they print to are recorded, never carried out.

#include "support/ForwardingPlatform.h"

#include <set>
#include <string>
#include <vector>

namespace zel::test {

class LaunchTestPlatform final : public ForwardingPlatform {
public:
    LaunchTestPlatform(std::unique_ptr<Platform> inner, std::vector<std::string>& log)
        : ForwardingPlatform(std::move(inner)), m_log(log) {}

    PlatformVersion Version() override { return {10, 0, ntFamily}; }
    LocalDateTime Now() override { return now; }
    std::optional<std::string> FileSystemName(char) override { return fileSystem; }
    std::unique_ptr<SharingProbe> MakeSharingProbe() override {
        return std::make_unique<HeldFilesProbe>(Inner().MakeSharingProbe(), heldFiles);
    }
    StartOutcome StartProgram(const StartRequest& request) override {
        started.push_back(request);
        m_log.push_back("start");
        return outcome;
    }
    bool HasCharacterPrinter(std::string_view) override { return hasPrinter; }

    bool ntFamily = false;
    LocalDateTime now{2025, 1, 15, 9, 30, 0};
    std::optional<std::string> fileSystem = "FAT";
    // DOS paths, as the launch forms them.
    std::set<std::string> heldFiles;
    StartOutcome outcome = StartOutcome::Success();
    std::vector<StartRequest> started;
    bool hasPrinter = true;

private:
    class HeldFilesProbe final : public SharingProbe {
    public:
        HeldFilesProbe(std::unique_ptr<SharingProbe> inner, const std::set<std::string>& held)
            : m_inner(std::move(inner)), m_held(held) {}
        SharingAnswer CanOpenExclusive(std::string_view p) override {
            return Unless(p, m_inner->CanOpenExclusive(p));
        }
        SharingAnswer CanOpenDenyWrite(std::string_view p) override {
            return Unless(p, m_inner->CanOpenDenyWrite(p));
        }

    private:
        SharingAnswer Unless(std::string_view p, SharingAnswer answer) const {
            answer.canOpen = answer.canOpen && !m_held.contains(std::string(p));
            return answer;
        }

        std::unique_ptr<SharingProbe> m_inner;
        const std::set<std::string>& m_held;
    };

    std::vector<std::string>& m_log;
};

} // namespace zel::test
