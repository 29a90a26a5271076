#pragma once
// The names the launcher itself owns on disk: its executable, its configuration, its spool
// folder and the folder it installs into. The accounting programs and the old installations
// know them by these exact names.

#include <string_view>

namespace zel {

inline constexpr std::string_view kLauncherExecutable = "ZELPULT.EXE";
inline constexpr std::string_view kConfigFileName = "ZELPULT.INI";
inline constexpr std::string_view kSpoolFolderName = "Printing";
inline constexpr std::string_view kInstallFolderName = "ZELKOR";
// The program information file an installer starts from, in the install folder.
inline constexpr std::string_view kInstallerInformationName = "RUN.PIF";
// The shortcuts' name, and the program group they stand in.
inline constexpr std::string_view kShortcutName = "Zelkor.lnk";
inline constexpr std::string_view kProgramGroupName = "ZELKOR";

} // namespace zel
