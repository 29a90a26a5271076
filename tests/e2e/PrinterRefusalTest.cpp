// A job counts as printed only when the CUPS queue took it: a queue that rejects jobs, a
// queue deleted after it was chosen, a server that stopped and one that never answers all
// leave the list waiting, whole, with a message for the user.

#include "TestPaths.h"
#include "pdf/PdfCanvas.h"
#include "spool/CanvasJobPrinter.h"
#include "spool/PrintSpool.h"
#include "support/CupsPdf.h"
#include "support/SilentServer.h"
#include "support/TempDir.h"
#include "support/WineWorld.h"
#include "text/CodePage1250.h"
#include "uiprint/DesktopPrinter.h"
#include "uiprint/MeasureWindow.h"
#include "uiprint/QtChosenPrinter.h"
#include "uiprint/QtPrintFont.h"

#include <QPrinter>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

const std::string kList = "\xAD"
                          "0Visszautas\xA1tott lista\r\nsor\r\n";

// An administration command of the test server, as the test script runs them.
bool Admin(const QString& program, QStringList arguments) {
    QProcess process;
    if (::geteuid() != 0) {
        arguments.prepend(program);
        process.start(QStringLiteral("sudo"), arguments);
    } else {
        process.start(program, arguments);
    }
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// The print server of this process and of the threads it starts, for as long as this lives.
class ServerAt final {
public:
    explicit ServerAt(const fs::path& socket) {
        if (const char* server = std::getenv("CUPS_SERVER")) {
            m_before = server;
        }
        ::setenv("CUPS_SERVER", socket.c_str(), 1);
        cupsSetServer(socket.c_str());
    }
    ~ServerAt() {
        if (m_before) {
            ::setenv("CUPS_SERVER", m_before->c_str(), 1);
        } else {
            ::unsetenv("CUPS_SERVER");
        }
        cupsSetServer(nullptr);
    }
    ServerAt(const ServerAt&) = delete;
    ServerAt& operator=(const ServerAt&) = delete;

private:
    std::optional<std::string> m_before;
};

// The list is written before the test starts: it need not wait to be seen quiet.
const SpoolTiming kNoSettle{std::chrono::milliseconds(0), {}};

class PrinterRefusal : public ::testing::Test {
protected:
    PrinterRefusal()
        : m_queue(QStringLiteral("ZelkorTest%1").arg(::getpid())), m_root(m_world.AddDrive('C')),
          m_platform(m_world.MakePlatform()), m_printer(QPrinter::HighResolution),
          m_font(m_measure), m_canvas(Chosen(), m_font), m_jobPrinter(m_canvas),
          m_spool(*m_platform, m_jobPrinter, "C:\\Printing", {}, kNoSettle) {
        fs::create_directories(m_root / "Printing");
        WriteNativeFile(Waiting(), kList);
    }
    ~PrinterRefusal() override { (void)Admin(QStringLiteral("lpadmin"), {"-x", m_queue}); }

    void SetUp() override {
        const std::string problem = CupsProblem();
        ASSERT_TRUE(problem.empty()) << "scripts/cups-start: " << problem;
        ASSERT_TRUE(Admin(QStringLiteral("lpadmin"), {"-p", m_queue, "-E", "-v", "cups-pdf:/"}));
        m_printer.setPrinterName(m_queue);
        ASSERT_EQ(m_printer.printerName(), m_queue);
    }

    [[nodiscard]] std::function<ChosenPrinter()> Chosen() {
        return [this] { return ChosenPrinterOf(m_printer); };
    }
    [[nodiscard]] fs::path Waiting() const { return m_root / "Printing" / "ws0001.A17"; }

    // Ticks until the job is over; its failure, or what the last tick said.
    static SpoolTickResult PrintTheList(PrintSpool& spool) {
        SpoolTickResult result = spool.Tick(true);
        while (spool.JobInProgress()) {
            result = spool.PrintSlice();
        }
        return result.printingStopped ? result : spool.Tick(true);
    }
    SpoolTickResult PrintTheList() { return PrintTheList(m_spool); }

    void ExpectTheListWaits(const SpoolTickResult& result, const char* utf8Message) {
        ExpectTheListWaits(m_spool, result, utf8Message);
    }
    void ExpectTheListWaits(const PrintSpool& spool, const SpoolTickResult& result,
                            const char* utf8Message) {
        EXPECT_TRUE(result.printingStopped);
        EXPECT_FALSE(result.printed);
        EXPECT_EQ(result.error, Utf8ToCp1250(utf8Message));
        EXPECT_EQ(ReadNativeFile(Waiting()), kList);
        EXPECT_TRUE(spool.Finished().Jobs().empty());
    }

    QString m_queue;
    WineWorld m_world;
    fs::path m_root;
    std::unique_ptr<Platform> m_platform;
    QPrinter m_printer;
    MeasureWindow m_measure;
    QtPrintFont m_font;
    PdfCanvas m_canvas;
    CanvasJobPrinter m_jobPrinter;
    PrintSpool m_spool;
};

TEST_F(PrinterRefusal, AQueueThatRejectsJobs) {
    ASSERT_TRUE(Admin(QStringLiteral("cupsreject"), {m_queue}));
    const std::string message =
        "A(z) „" + m_queue.toStdString() + "” nyomtató nem fogadta el a nyomtatást.";
    ExpectTheListWaits(PrintTheList(), message.c_str());

    // The tool that prints a list by hand says so too.
    QProcess tool;
    tool.start(QString::fromUtf8(kBinDir) + QStringLiteral("/zelprintjob"),
               {QStringLiteral("-P"), m_queue, QString::fromStdString(Waiting().string())});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(tool.readAllStandardError()).contains(m_queue));
}

TEST_F(PrinterRefusal, AQueueDeletedAfterItWasChosen) {
    ASSERT_TRUE(Admin(QStringLiteral("lpadmin"), {"-x", m_queue}));
    const std::string message = "A(z) „" + m_queue.toStdString() + "” nyomtató nem érhető el.";
    ExpectTheListWaits(PrintTheList(), message.c_str());
}

TEST_F(PrinterRefusal, AServerThatStopped) {
    // The printer was chosen while the server ran; this process now finds no server.
    SpoolTickResult result;
    {
        const ServerAt nowhere(m_root / "no server" / "cups.sock");
        result = PrintTheList();
    }
    const std::string message = "A(z) „" + m_queue.toStdString() + "” nyomtató nem érhető el.";
    ExpectTheListWaits(result, message.c_str());
}

// Ticks and slices until the job is over, as PrintTheList, with the server silent; the
// longest a tick or slice took goes to longest.
SpoolTickResult PrintWithASilentServer(const fs::path& socket, PrintSpool& spool,
                                       std::chrono::steady_clock::duration& longest) {
    const ServerAt silence(socket);
    auto begun = std::chrono::steady_clock::now();
    SpoolTickResult result = spool.Tick(true);
    longest = std::chrono::steady_clock::now() - begun;
    while (spool.JobInProgress()) {
        begun = std::chrono::steady_clock::now();
        result = spool.PrintSlice();
        longest = std::max(longest, std::chrono::steady_clock::now() - begun);
    }
    return result.printingStopped ? result : spool.Tick(true);
}

// Generous: a tick or slice that waited for the server would be held for a minute or more.
constexpr std::chrono::seconds kHeldTooLong{10};
constexpr const char* kSilentMessage = "A nyomtatószerver nem válaszol, a lista a sorban marad.";

TEST_F(PrinterRefusal, AServerThatNeverAnswers) {
    // The server takes every connection and says nothing. A job gives up after its patience,
    // a second here, and no tick or slice waits for the server meanwhile: neither the job's
    // own document, made without asking the server, nor its submission.
    const fs::path socket = m_root / "silent.sock";
    const SilentServer silent(socket);
    ASSERT_TRUE(silent.Listening());
    std::chrono::steady_clock::duration longest{};

    // The printer was chosen while the server ran.
    {
        PdfCanvas canvas(Chosen(), m_font, std::chrono::seconds(1));
        CanvasJobPrinter jobPrinter(canvas);
        PrintSpool spool(*m_platform, jobPrinter, "C:\\Printing", {}, kNoSettle);
        ExpectTheListWaits(spool, PrintWithASilentServer(socket, spool, longest), kSilentMessage);
        EXPECT_LT(longest, kHeldTooLong);
    }

    // The first job of a run makes the default printer, which asks the server too.
    DesktopPrinter desktop(std::chrono::seconds(1));
    PrintSpool spool(*m_platform, desktop, "C:\\Printing", {}, kNoSettle);
    ExpectTheListWaits(spool, PrintWithASilentServer(socket, spool, longest), kSilentMessage);
    EXPECT_LT(longest, kHeldTooLong);
}

} // namespace
} // namespace zel::test
