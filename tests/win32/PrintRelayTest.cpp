// The Windows print relay end to end: a stand-in DOSBox prints through the null modem its
// configuration names; the jobs reach a recording printer, or a real one through the spooler.

#include "platform/win32/PrintRelay.h"

#include "dos/PrintRelayJobs.h"
#include "platform/KeptJobs.h"
#include "platform/win32/CommandLine.h"
#include "platform/win32/GdiPrinters.h"
#include "platform/win32/LoopbackPeer.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Windows.h"
#include "platform/win32/WinspoolRawPrinter.h"
#include "support/WindowsStandIns.h"
#include "support/WineWorld.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <shellapi.h>
#include <thread>
#include <vector>
#include <winsock2.h>

namespace zel::test {
namespace {

// A spooler that refuses its first attempts, as one does while it restarts.
class RecordingPrinter final : public RawPrinter {
public:
    explicit RecordingPrinter(int refusals = 0) : m_refusals(refusals) {}

    RawPrintOutcome Print(const std::string& printer, std::string_view title,
                          std::string_view bytes) override {
        if (m_refusals > 0) {
            --m_refusals;
            ++refused;
            return RawPrintOutcome::Refused;
        }
        jobs.push_back({printer, std::string(title), std::string(bytes)});
        return RawPrintOutcome::Accepted;
    }

    struct Job {
        std::string printer;
        std::string title;
        std::string bytes;
        bool operator==(const Job&) const = default;
    };
    std::vector<Job> jobs;
    int refused = 0;

private:
    int m_refusals;
};

// What the stand-in prints, cut where the relay must cut it: its first page is followed by a
// pause, the rest ends with the program.
std::vector<std::string> ExpectedJobs() {
    const auto parts = StandInPrintout();
    return {parts[0].bytes, parts[1].bytes + parts[2].bytes};
}

class PrintRelay : public testing::Test {
protected:
    PrintRelay() {
        CopyFileA(OwnPath().c_str(), (m_folder / "DOSBox.exe").c_str(), FALSE);
        SetEnvironmentVariableA(kDosBoxPrintVariable, "1");
    }
    ~PrintRelay() override { SetEnvironmentVariableA(kDosBoxPrintVariable, nullptr); }

    [[nodiscard]] PrintRelayRequest Request(const std::string& printer) const {
        return {printer, "A97.EXE", m_folder / "serial.conf", "", {m_folder / "DOSBox.exe"}, ""};
    }

    DriveFolder m_folder;
    std::unique_ptr<KeptJobs> m_kept = OpenKeptJobs(m_folder / "kept");
};

// Another process of the machine that finds the relay's port before DOSBox does.
class Intruder final {
public:
    explicit Intruder(std::string serialConfig)
        : m_thread([this, config = std::move(serialConfig)] { Intrude(config); }) {}
    ~Intruder() {
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }
    Intruder(const Intruder&) = delete;
    Intruder& operator=(const Intruder&) = delete;

    // Whether it got in, once it has tried.
    [[nodiscard]] bool Connected() {
        if (m_thread.joinable()) {
            m_thread.join();
        }
        return m_connected;
    }

private:
    void Intrude(const std::string& config) {
        // The file appears before its lines are written: wait for the port's whole line.
        std::string text;
        std::size_t port = std::string::npos;
        for (int tries = 0; tries < 3000; ++tries) {
            text = ReadFileBytes(config);
            port = text.find("port:");
            if (port != std::string::npos && text.find('\n', port) != std::string::npos) {
                break;
            }
            Sleep(10);
        }
        if (port == std::string::npos) {
            return;
        }
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<u_short>(std::atoi(text.c_str() + port + 5)));
        const SOCKET socket = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        m_connected = connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        send(socket, "INTRUDER\f", 9, 0);
        closesocket(socket);
    }

    bool m_connected = false;
    std::thread m_thread;
};

TEST_F(PrintRelay, JobsAreCutAtThePausesAndArriveByteForByte) {
    ZEL_REQUIRE_WINE_WORLD();
    WSADATA data{};
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
    RecordingPrinter printer;
    Intruder intruder(m_folder / "serial.conf");
    EXPECT_EQ(win32::RunPrintRelay(Request("M\xE1trix"), MakePrintRelayJobs, printer, *m_kept), 0);
    EXPECT_TRUE(intruder.Connected());
    WSACleanup();
    const auto expected = ExpectedJobs();
    ASSERT_EQ(printer.jobs.size(), 2u);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(printer.jobs[i], (RecordingPrinter::Job{"M\xE1trix", "A97.EXE", expected[i]}))
            << "job " << i;
    }
    EXPECT_EQ(ReadFileBytes(m_folder / "serial.conf").find("[serial]\nserial4=nullmodem"), 0u);
}

TEST_F(PrintRelay, ARefusingPrinterKeepsTheRelayUntilEveryJobIsPrintedInOrder) {
    ZEL_REQUIRE_WINE_WORLD();
    // The chosen printer and the default refuse the first job; it waits, the second behind it.
    RecordingPrinter printer(2);
    EXPECT_EQ(win32::RunPrintRelay(Request("Matrix"), MakePrintRelayJobs, printer, *m_kept), 0);
    EXPECT_EQ(printer.refused, 2);
    const auto expected = ExpectedJobs();
    ASSERT_EQ(printer.jobs.size(), 2u);
    EXPECT_EQ(printer.jobs[0].bytes, expected[0]);
    EXPECT_EQ(printer.jobs[1].bytes, expected[1]);
}

TEST_F(PrintRelay, ASerialConfigurationThatIsAlreadyThereIsNotOverwritten) {
    ZEL_REQUIRE_WINE_WORLD();
    WriteFileBytes(m_folder / "serial.conf", "[serial]\nserial4=dummy\n");
    RecordingPrinter printer;
    EXPECT_EQ(win32::RunPrintRelay(Request(""), MakePrintRelayJobs, printer, *m_kept), 1);
    EXPECT_EQ(ReadFileBytes(m_folder / "serial.conf"), "[serial]\nserial4=dummy\n");
    EXPECT_EQ(
        win32::RunPrintRelay({"", "A97.EXE", m_folder / "s2.conf", "", {m_folder / "NO.EXE"}, ""},
                             MakePrintRelayJobs, printer, *m_kept),
        1)
        << "no DOSBox to run";
}

// The relay outlives the panel: the start files are its to remove, whether DOSBox ran or
// not, and nothing else in their folder goes with them.
TEST_F(PrintRelay, WhenItEndsItRemovesTheStartFilesAndOnlyThem) {
    ZEL_REQUIRE_WINE_WORLD();
    const std::string starts[] = {m_folder / "ZELST001", m_folder / "ZELST002"};
    for (const std::string& folder : starts) {
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        for (const char* name : {"dosbox.conf", "ZELSTART.COM", "ZELSTART.DAT", "ZELPRN.COM"}) {
            WriteFileBytes(folder + "\\" + name, "start");
        }
    }
    WriteFileBytes(starts[1] + "\\LIST.TXT", "not ours");
    RecordingPrinter printer;
    EXPECT_EQ(win32::RunPrintRelay({"Matrix",
                                    "A97.EXE",
                                    starts[0] + "\\serial.conf",
                                    "",
                                    {m_folder / "DOSBox.exe"},
                                    starts[0]},
                                   MakePrintRelayJobs, printer, *m_kept),
              0);
    EXPECT_EQ(printer.jobs.size(), 2u);
    EXPECT_EQ(GetFileAttributesA(starts[0].c_str()), INVALID_FILE_ATTRIBUTES);

    EXPECT_EQ(
        win32::RunPrintRelay(
            {"", "A97.EXE", starts[1] + "\\serial.conf", "", {m_folder / "NO.EXE"}, starts[1]},
            MakePrintRelayJobs, printer, *m_kept),
        1);
    EXPECT_EQ(ReadFileBytes(starts[1] + "\\LIST.TXT"), "not ours");
    EXPECT_EQ(GetFileAttributesA((starts[1] + "\\dosbox.conf").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Win32CommandLine, EveryWordComesBackAsItWent) {
    const std::vector<std::string> words = {"C:\\Program Files\\DOSBox\\DOSBox.exe",
                                            "",
                                            "say \"hi\"",
                                            "ends in\\",
                                            "a\\\\\"b",
                                            "\\\\server\\share\\"};
    const std::string line = win32::ComposeCommandLine(words);
    const std::wstring wide(line.begin(), line.end());
    int count = 0;
    wchar_t** parsed = CommandLineToArgvW(wide.c_str(), &count);
    ASSERT_NE(parsed, nullptr);
    std::vector<std::string> back;
    for (int i = 0; i < count; ++i) {
        const std::wstring word = parsed[i];
        back.emplace_back(word.begin(), word.end());
    }
    LocalFree(parsed);
    EXPECT_EQ(back, words) << line;
}

// Wine names no owner for a connection made within this one process (the relay's test above
// shows it names DOSBox's), so here only a socket without a peer is asked about.
TEST(Win32LoopbackPeer, AListeningSocketHasNoPeer) {
    WSADATA data{};
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
    const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 1), 0);
    EXPECT_EQ(win32::LoopbackPeerProcess(listener), std::nullopt);
    closesocket(listener);
    WSACleanup();
}

TEST(WinspoolRawPrinter, APrinterTheSpoolerDoesNotListTakesNothing) {
    win32::WinspoolRawPrinter printer;
    EXPECT_EQ(printer.Print("Nincs ilyen nyomtat\xF3", "A97.EXE", "page\f"),
              RawPrintOutcome::NoSuchPrinter);
}

// The raw queue scripts/cups-start makes sends each job to an AppSocket printer on this port.
constexpr unsigned short kRawQueuePort = 9917;
constexpr const char* kRawQueue = "ZelkorRaw";

// That printer: the job's bytes as they arrive, read until the spooler closes.
std::optional<std::string> ReceiveJob(SOCKET listener) {
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(listener, &ready);
    timeval patience{60, 0};
    if (select(0, &ready, nullptr, nullptr, &patience) != 1) {
        return std::nullopt;
    }
    const SOCKET connection = accept(listener, nullptr, nullptr);
    std::string job;
    char buffer[4096];
    for (int got; (got = recv(connection, buffer, sizeof buffer, 0)) > 0;) {
        job.append(buffer, static_cast<std::size_t>(got));
    }
    closesocket(connection);
    return job;
}

TEST(WinspoolRawPrinter, ARawJobReachesARealPrinterByteForByte) {
    ZEL_REQUIRE_WINE_WORLD();
    if (!win32::GdiPrinterExists(kRawQueue)) {
        GTEST_SKIP()
            << "Wine lists no printer " << kRawQueue
            << ": no CUPS server with it (scripts/cups-start), or Wine cannot load libcups";
    }
    WSADATA data{};
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
    const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(kRawQueuePort);
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, 1) != 0) {
        closesocket(listener);
        WSACleanup();
        GTEST_SKIP() << "port " << kRawQueuePort << " is taken by another test's printer";
    }
    std::string job = "\x1B@";
    for (int byte = 0; byte < 256; ++byte) {
        job += static_cast<char>(byte);
    }
    job += "\f";
    win32::WinspoolRawPrinter printer;
    EXPECT_EQ(printer.Print(kRawQueue, "A97.EXE", job), RawPrintOutcome::Accepted);
    EXPECT_EQ(ReceiveJob(listener), job);
    closesocket(listener);
    WSACleanup();
}

TEST(WinspoolRawPrinter, APrinterTheSpoolerListsIsACharacterPrinterWhateverItsCase) {
    ZEL_REQUIRE_WINE_WORLD();
    if (!win32::GdiPrinterExists(kRawQueue)) {
        GTEST_SKIP() << "Wine lists no printer " << kRawQueue;
    }
    win32::Win32Platform platform;
    EXPECT_TRUE(platform.HasCharacterPrinter(kRawQueue));
    EXPECT_TRUE(win32::GdiPrinterExists("ZELKORRAW"));
    EXPECT_FALSE(win32::GdiPrinterExists("ZelkorRa"));
}

} // namespace
} // namespace zel::test
