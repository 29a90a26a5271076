#pragma once
// This test program is also the accounting program that ZELPULT.EXE starts in the end-to-end
// tests: copied under a program's name and started with the stand-in word among its
// parameters, it keeps its data lock file open, as the real ones do, until the test lets it go.

#include <optional>

namespace zel::test {

// The start parameter that makes a start the stand-in's.
inline constexpr const char* kWinuiStandInWord = "/ZELWINUI";
// Written in its working folder once the lock file is held: "LOCKED=<lock path>\n".
inline constexpr const char* kWinuiStandInLog = "STANDIN.LOG";
// The stand-in ends when this event is set, or after a minute.
inline constexpr const char* kWinuiStandInRelease = "ZelWinuiStandInRelease";

// The exit code when this start is the stand-in's; nothing for the tests.
[[nodiscard]] std::optional<int> RunWinuiStandIn();

} // namespace zel::test
