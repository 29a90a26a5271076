#include "dos/DosBoxStartPlan.h"
#include "platform/win32/BuildWidth.h"
#include "platform/win32/DosBoxLocation.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Windows.h"
#include "support/WindowsStandIns.h"
#include "support/WineWorld.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace zel::test {
namespace {

const DosBoxStartPlanner kDosStart;

std::map<std::string, std::string> LogEntries(const std::string& log) {
    std::map<std::string, std::string> entries;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        const auto equals = line.find('=');
        if (equals != std::string::npos) {
            entries.emplace(line.substr(0, equals), line.substr(equals + 1));
        }
    }
    return entries;
}

// The folder of the start files, from the configuration on the stand-in's command line,
// where every word is quoted.
std::string StartFolderOf(const std::string& log) {
    const std::string commandLine = LogEntries(log)["CMDLINE"];
    const auto config = commandLine.find("\\dosbox.conf\"");
    const auto start = commandLine.rfind('"', config);
    if (config == std::string::npos || start == std::string::npos) {
        return {};
    }
    return commandLine.substr(start + 1, config - start - 1);
}

bool WaitForFolderGone(const std::string& folder, int seconds) {
    for (int tries = 0; !folder.empty() && tries < seconds * 20; ++tries) {
        if (GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES) {
            return true;
        }
        Sleep(50);
    }
    return false;
}

// A DOS executable: an MZ header that points at no PE header.
std::string DosExecutable() {
    return "MZ" + std::string(62, '\0');
}

// The registry's uninstall entry of a DOSBox installed in folder, as its installer leaves it,
// gone again with the test.
class RegisteredDosBox final {
public:
    explicit RegisteredDosBox(const std::string& folder) {
        CopyFileA(OwnPath().c_str(), (folder + "\\DOSBox.exe").c_str(), FALSE);
        RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key,
                        nullptr);
        const std::string uninstall = "\"" + folder + "\\uninstall.exe\"";
        RegSetValueExA(m_key, "UninstallString", 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(uninstall.c_str()),
                       static_cast<DWORD>(uninstall.size() + 1));
    }
    ~RegisteredDosBox() {
        RegCloseKey(m_key);
        RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
    }
    RegisteredDosBox(const RegisteredDosBox&) = delete;
    RegisteredDosBox& operator=(const RegisteredDosBox&) = delete;

private:
    static constexpr const char* kKey =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\DOSBox-0.74-3";
    HKEY m_key = nullptr;
};

TEST(Win32Start, AWindowsProgramStartsInItsFolderWithTheWholeParameterText) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    platform.UseDosStart(kDosStart);
    const DriveFolder folder;
    ASSERT_TRUE(platform.CreateDirectory(folder / "ZELKONYV.97"));
    ASSERT_TRUE(platform.CreateDirectory(folder / "ADAT"));
    const std::string program = folder / "ZELKONYV.97\\A97.EXE";
    ASSERT_TRUE(CopyFileA(OwnPath().c_str(), program.c_str(), FALSE));

    StartRequest request;
    request.program = program;
    request.workingDirectory = folder / "ADAT";
    request.parameters = std::string(kStandInWord) + "  SERVER \xE1rv\xEDz \"a b\" <x>";
    request.title = "Zelkor K\xF6nyvel\xE9s 97";
    request.informationFile = folder / "ZELKONYV.97\\A97.PIF";
    ASSERT_TRUE(platform.StartProgram(request).Started());

    ASSERT_TRUE(WaitForFile(folder / "ADAT\\STANDIN.LOG", 30));
    const auto log = LogEntries(ReadFileBytes(folder / "ADAT\\STANDIN.LOG"));
    EXPECT_EQ(log.at("CWD"), folder / "ADAT");
    EXPECT_EQ(log.at("CMDLINE"), "\"" + program + "\" " + request.parameters);
}

TEST(Win32Start, WithoutAWorkingFolderTheProgramsOwnIsTaken) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    platform.UseDosStart(kDosStart);
    const DriveFolder folder;
    const std::string program = folder / "B2017.EXE";
    ASSERT_TRUE(CopyFileA(OwnPath().c_str(), program.c_str(), FALSE));
    StartRequest request;
    request.program = program;
    request.parameters = kStandInWord;
    ASSERT_TRUE(platform.StartProgram(request).Started());
    ASSERT_TRUE(WaitForFile(folder / "STANDIN.LOG", 30));
    EXPECT_EQ(LogEntries(ReadFileBytes(folder / "STANDIN.LOG")).at("CWD"), folder.Path());
}

TEST(Win32Start, WhatIsNoProgramIsNotStarted) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    platform.UseDosStart(kDosStart);
    const DriveFolder folder;
    WriteFileBytes(folder / "README.TXT", "nothing to run");
    const auto cannot = [](DWORD error) {
        return StartOutcome{StartOutcomeKind::CannotStart, static_cast<int>(error)};
    };
    EXPECT_EQ(platform.StartProgram({folder / "README.TXT", folder.Path(), "", "", "", {}, {}}),
              cannot(ERROR_BAD_EXE_FORMAT));
    EXPECT_EQ(platform.StartProgram({folder / "NONE.EXE", folder.Path(), "", "", "", {}, {}}),
              cannot(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(platform.StartProgram({"", folder.Path(), "", "", "", {}, {}}),
              cannot(ERROR_FILE_NOT_FOUND));
    ASSERT_TRUE(CopyFileA(OwnPath().c_str(), (folder / "A97.EXE").c_str(), FALSE));
    EXPECT_EQ(platform.StartProgram({folder / "A97.EXE", folder / "NONE", "", "", "", {}, {}}),
              cannot(ERROR_PATH_NOT_FOUND));
}

// One test, as the registry is the whole prefix's: without DOSBox first, then with it.
TEST(Win32Start, ADosProgramStartsOnlyInTheDosBoxItsInstallerRegistered) {
    ZEL_REQUIRE_WINE_WORLD();
    win32::Win32Platform platform;
    platform.UseDosStart(kDosStart);
    const DriveFolder folder;
    ASSERT_TRUE(platform.CreateDirectory(folder / "ZELKONYV.97"));
    WriteFileBytes(folder / "ZELKONYV.97\\A97.EXE", DosExecutable());
    ASSERT_EQ(win32::FindDosBox(), std::nullopt);
    // What the user is told: DOSBox is missing for a DOS program, not for anything else.
    EXPECT_EQ(platform
                  .StartProgram({folder / "ZELKONYV.97\\A97.EXE",
                                 folder / "ZELKONYV.97",
                                 "SERVER",
                                 "A97",
                                 "",
                                 {},
                                 {}})
                  .kind,
              StartOutcomeKind::NoDosBox);
    EXPECT_EQ(platform.StartProgram({folder / "NONE.EXE", folder.Path(), "", "", "", {}, {}}).kind,
              StartOutcomeKind::CannotStart);

    ASSERT_TRUE(platform.CreateDirectory(folder / "DOSBox-0.74-3"));
    const RegisteredDosBox dosbox(folder / "DOSBox-0.74-3");
    ASSERT_EQ(win32::FindDosBox(), folder / "DOSBox-0.74-3\\DOSBox.exe");
    const std::string log = folder / "DOSBOX.LOG";
    SetEnvironmentVariableA(kDosBoxLogVariable, log.c_str());

    ASSERT_TRUE(platform
                    .StartProgram({folder / "ZELKONYV.97\\A97.EXE",
                                   folder / "ZELKONYV.97",
                                   "SERVER",
                                   "A97",
                                   "",
                                   {},
                                   {}})
                    .Started());
    const std::string text = WaitForBytes(log, 30);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.find("LOADER=yes\n"), std::string::npos) << text;
    const auto entries = LogEntries(text);
    EXPECT_EQ(entries.at("DRIVE"), "3"); // D:
    EXPECT_EQ(entries.at("FOLDER"), folder.Path().substr(2) + "\\ZELKONYV.97");
    EXPECT_EQ(entries.at("PROGRAM"), folder / "ZELKONYV.97\\A97.EXE");
    // Wine's drives C:, D:, E:, N: and Z: leave Y: and X: to DOSBox's drive and the loader.
    const std::string autoexec = text.substr(text.find("[autoexec]"));
    EXPECT_NE(autoexec.find("mount -z Y\n"), std::string::npos) << autoexec;
    EXPECT_NE(autoexec.find("mount D \"D:\\\" -label KNYVELS\n"), std::string::npos) << autoexec;
    EXPECT_NE(autoexec.find("mount E \"E:\\\" -t cdrom -label ZELKOR_CD\n"), std::string::npos)
        << autoexec;
    EXPECT_NE(autoexec.find("X:\\ZELSTART.COM X:\\ZELSTART.DAT\nexit\n"), std::string::npos)
        << autoexec;
    EXPECT_NE(text.find("CAPTURE=no\n"), std::string::npos) << "without a printer, no capture";
    EXPECT_EQ(text.find("nullmodem"), std::string::npos) << text;
    // Once DOSBox has ended, its start files go: here the launcher removes them.
    EXPECT_TRUE(WaitForFolderGone(StartFolderOf(text), 30)) << StartFolderOf(text);

    // With a printer, the launcher's relay starts DOSBox with the capture and the serial port.
    DeleteFileA(log.c_str());
    StartRequest printing{
        folder / "ZELKONYV.97\\A97.EXE", folder / "ZELKONYV.97", "SERVER", "A97", "", "", {}};
    ASSERT_TRUE(platform.StartProgram(printing).Started());
    const std::string relayed = WaitForBytes(log, 30);
    ASSERT_FALSE(relayed.empty());
    SetEnvironmentVariableA(kDosBoxLogVariable, nullptr);
    EXPECT_NE(relayed.find("CAPTURE=yes\n"), std::string::npos) << relayed;
    const std::string relayedAutoexec = relayed.substr(relayed.find("[autoexec]"));
    EXPECT_NE(relayedAutoexec.find("X:\\ZELPRN.COM\nX:\\ZELSTART.COM X:\\ZELSTART.DAT\nexit\n"),
              std::string::npos)
        << relayedAutoexec;
    const auto serial = relayed.find("serial4=nullmodem server:127.0.0.1 port:");
    ASSERT_NE(serial, std::string::npos) << relayed;
    EXPECT_GT(relayed.find(" transparent:1 txdelay:0\n", serial), serial) << relayed;
    EXPECT_GT(relayed.find("[serial]\nserial4=nullmodem"), relayed.find("[autoexec]"))
        << "the serial port comes after the main configuration, so that it wins";
    // The relay removes them once it ends, as the launcher may be gone by then.
    EXPECT_TRUE(WaitForFolderGone(StartFolderOf(relayed), 30)) << StartFolderOf(relayed);
}

TEST(Win32Start, WhereTheMachineRunsInformationFilesTheFileIsRun) {
    ZEL_REQUIRE_WINE_WORLD();
    std::vector<std::string> run;
    win32::Win32Platform platform(
        win32::InformationFileRunner{true, [&run](const std::string& file) {
                                         run.push_back(file);
                                         return true;
                                     }});
    const DriveFolder folder;
    WriteFileBytes(folder / "A97.EXE", DosExecutable());
    WriteFileBytes(folder / "A97.PIF", std::string(545, '\0'));
    EXPECT_TRUE(
        platform
            .StartProgram(
                {folder / "A97.EXE", folder.Path(), "SERVER", "A97", folder / "A97.PIF", {}, {}})
            .Started());
    EXPECT_EQ(run, std::vector<std::string>{folder / "A97.PIF"});
}

TEST(Win32Start, NeitherWineNorA64BitProcessRunsInformationFiles) {
    EXPECT_TRUE(win32::RunsUnderWine());
    EXPECT_FALSE(win32::MachineInformationFileRunner().available);
}

TEST(Win32Start, A32BitProgramOn64BitWindowsIsToldItRunsUnderWow64) {
    if constexpr (!win32::kBuilt32Bit) {
        GTEST_SKIP() << "WOW64 runs only 32-bit programs: this is the 64-bit build";
    }
    // What keeps the 32-bit ZELPULT.EXE from taking 64-bit Windows for one with the DOS
    // subsystem; the world's prefix is 64-bit Windows.
    BOOL wow64 = FALSE;
    ASSERT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
    EXPECT_TRUE(wow64);
}

} // namespace
} // namespace zel::test
