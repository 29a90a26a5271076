// A job counts as printed only when the CUPS queue took it: a queue that rejects jobs, a
// queue deleted after it was chosen and a server that stopped all leave the list waiting,
// whole, with a message for the user.

#include "CupsPdf.h"
#include "TestPaths.h"
#include "spool/CanvasJobPrinter.h"
#include "spool/PrintSpool.h"
#include "support/TempDir.h"
#include "support/WineWorld.h"
#include "text/CodePage1250.h"
#include "ui/MeasureWindow.h"
#include "ui/PrinterCanvas.h"

#include <QPrinter>
#include <QProcess>
#include <cups/cups.h>
#include <gtest/gtest.h>
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

class PrinterRefusal : public ::testing::Test {
protected:
    PrinterRefusal()
        : m_queue(QStringLiteral("ZelkorTest%1").arg(::getpid())), m_root(m_world.AddDrive('C')),
          m_platform(m_world.MakePlatform()), m_printer(QPrinter::HighResolution),
          m_canvas(m_printer, m_measure), m_jobPrinter(m_canvas),
          m_spool(*m_platform, m_jobPrinter, "C:\\Printing", {},
                  SpoolTiming{std::chrono::milliseconds(0), {}}) {
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

    [[nodiscard]] fs::path Waiting() const { return m_root / "Printing" / "ws0001.A17"; }

    // Ticks until the job is over; its failure, or what the last tick said.
    SpoolTickResult PrintTheList() {
        SpoolTickResult result = m_spool.Tick(true);
        while (m_spool.JobInProgress()) {
            result = m_spool.PrintSlice();
        }
        return result.printingStopped ? result : m_spool.Tick(true);
    }

    void ExpectTheListWaits(const SpoolTickResult& result, const char* utf8Message) {
        EXPECT_TRUE(result.printingStopped);
        EXPECT_FALSE(result.printed);
        EXPECT_EQ(result.error, Utf8ToCp1250(utf8Message));
        EXPECT_EQ(ReadNativeFile(Waiting()), kList);
        EXPECT_EQ(m_spool.Finished().Row(1)[kFileNameColumn], "");
    }

    QString m_queue;
    WineWorld m_world;
    fs::path m_root;
    std::unique_ptr<Platform> m_platform;
    QPrinter m_printer;
    MeasureWindow m_measure;
    PrinterCanvas m_canvas;
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
    const fs::path nowhere = m_root / "no server" / "cups.sock";
    cupsSetServer(nowhere.c_str());
    const SpoolTickResult result = PrintTheList();
    cupsSetServer(nullptr);
    const std::string message = "A(z) „" + m_queue.toStdString() + "” nyomtató nem érhető el.";
    ExpectTheListWaits(result, message.c_str());
}

} // namespace
} // namespace zel::test
