#pragma once
// A Windows test program is its own stand-in for the processes its tests need beside them:
// copied under a program's name it is the Windows accounting program, copied as DOSBox.exe it
// is a DOSBox that records how it was started, and with --zel-hold it holds a file open.

#include <optional>
#include <string>
#include <vector>

namespace zel::test {

// This program's own file, which the tests copy under the names of the programs they start.
[[nodiscard]] std::string OwnPath();

// The parameter word that makes a copy the accounting stand-in; it writes STANDIN.LOG in
// its working folder: "CWD=<folder>\nCMDLINE=<its whole command line>\n".
inline constexpr const char* kStandInWord = "/ZELSTANDIN";
inline constexpr const char* kStandInLog = "STANDIN.LOG";
// With this word among its parameters, the accounting stand-in is one that runs on as the
// real programs do: it keeps its data lock file (DATA\ZEL2023.001 for A2023.EXE) open, adds
// "LOCKED=<lock path>\n" to its log once it holds it, and ends when the event
// kStandInRelease is set, or after a minute.
inline constexpr const char* kLockHoldingWord = "/ZELTART";
inline constexpr const char* kStandInRelease = "ZelStandInRelease";
// The stand-in DOSBox writes "CMDLINE=...\nLOADER=yes|no\nCAPTURE=yes|no\nDRIVE=3\nFOLDER=...\n
// PROGRAM=...\nCONFIG=\n<each configuration it was given>" to the file this variable names.
inline constexpr const char* kDosBoxLogVariable = "ZEL_DOSBOX_LOG";
// With this variable set, the stand-in DOSBox is a DOS program that prints: it connects to the
// null modem its configuration names and sends StandInPrintout, then ends.
inline constexpr const char* kDosBoxPrintVariable = "ZEL_DOSBOX_PRINT";

// What the printing stand-in sends, part by part, each followed by its pause.
struct PrintedPart {
    std::string bytes;
    int pauseMilliseconds = 0;
};
[[nodiscard]] std::vector<PrintedPart> StandInPrintout();

// The exit code when this start is a stand-in's; nothing for the tests.
[[nodiscard]] std::optional<int> RunStandIn(int argc, char** argv);

// How a held file is held: exclusively, or for reading or writing with others free to do
// both.
enum class HoldMode { Exclusive, Reading, Writing };

// Another process holding path open as mode, until it goes out of scope.
class FileHolder final {
public:
    FileHolder(const std::string& path, HoldMode mode);
    ~FileHolder();
    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;

    [[nodiscard]] bool Holding() const { return m_holding; }

private:
    void* m_process = nullptr;
    void* m_release = nullptr;
    bool m_holding = false;
};

} // namespace zel::test
