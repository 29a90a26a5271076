#pragma once
// The stand-in accounting programs, copied into a test world under a program's name.

#include "support/WineWorld.h"

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zel::test {

// The native stand-in.
void InstallNativeStandIn(WineWorld& world, std::string_view dosPath);
// Its DOS twin, which runs in DOSBox.
void InstallDosStandIn(WineWorld& world, std::string_view dosPath);

// "KEY=value" lines of a stand-in's log; later keys of the same name win.
std::map<std::string, std::string> StandInLogEntries(const std::string& log);
// The log a stand-in wrote in its folder (DOS path); empty before it has.
std::map<std::string, std::string> ReadStandInLog(const WineWorld& world, std::string_view folder);
// Files of a folder (DOS path) whose names match ws*.* in any case.
std::vector<std::filesystem::path> PrintFilesIn(const WineWorld& world, std::string_view folder);

} // namespace zel::test
