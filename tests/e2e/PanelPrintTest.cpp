// The lists a started program leaves in the spool folder come out of the default printer,
// a CUPS queue that makes PDF files, with their columns and their Hungarian letters.

#include "PanelWorld.h"
#include "support/CupsPdf.h"
#include "ui/StringGrid.h"

#include <QAbstractButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <algorithm>
#include <set>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

class PanelPrint : public PanelWorld {
protected:
    ~PanelPrint() override {
        for (const std::string& pdf : m_printed) {
            std::error_code ec;
            fs::remove(pdf, ec);
        }
    }

    void SetUp() override {
        const std::string problem = CupsProblem();
        ASSERT_TRUE(problem.empty()) << "Printing needs the CUPS server with its default queue "
                                     << kPdfQueue << " (scripts/cups-start): " << problem;
        m_pdfFolder = CupsPdfFolder();
        m_before = PdfsIn(m_pdfFolder);
    }

    // The program at its DOS path, started with these parameters.
    void InstallWith(std::string_view program, std::string_view parameters, bool printingEnabled) {
        InstallNative(program);
        const std::string line = "[" + std::string(program) + " " + std::string(parameters) + "]";
        WriteConfig(
            {"[]", "[]", "[]", line, "[NYOMTATAS_MODJA_WINDOWS=TRUE]",
             printingEnabled ? "[NYOMTATAS_ENGEDELYEZVE=TRUE]" : "[NYOMTATAS_ENGEDELYEZVE=FALSE]"});
    }

    // The finished PDFs of this test's lists, once count of them are there. A heading of its
    // own tells them from those of another test printing at the same time.
    std::vector<std::string> WaitForPdfs(std::size_t count, const QString& heading) {
        const QRegularExpression ours(QString(heading).replace(' ', "\\s+"));
        WaitFor(
            [&] {
                for (const std::string& pdf : PdfsIn(m_pdfFolder)) {
                    if (!m_before.contains(pdf) && !Known(pdf) && PageCount(pdf) > 0 &&
                        QString::fromStdString(PdfText(pdf)).contains(ours)) {
                        m_printed.push_back(pdf);
                    }
                }
                return m_printed.size() >= count;
            },
            kPatience, 250);
        return m_printed;
    }

    [[nodiscard]] bool Known(const std::string& pdf) const {
        return std::find(m_printed.begin(), m_printed.end(), pdf) != m_printed.end();
    }

    std::string m_pdfFolder;
    std::set<std::string> m_before;
    std::vector<std::string> m_printed;
};

// The grid as text, for a failure to show.
std::string GridText(const StringGrid& grid) {
    std::string text;
    for (int row = 0; row < grid.rowCount(); ++row) {
        for (int column = 0; column < grid.columnCount(); ++column) {
            text += grid.Cell(column, row).toStdString() + "|";
        }
        text += "\n";
    }
    return text;
}

// The account lines of the list: every amount stands in its column.
void ExpectColumns(const QString& text) {
    const QRegularExpression account("^\\s*(1411|3110|4540|4710|5410|8710)\\s");
    std::set<qsizetype> ends;
    int rows = 0;
    for (const QString& line : text.split('\n')) {
        if (account.match(line).hasMatch()) {
            ++rows;
            qsizetype end = line.size();
            while (end > 0 && line[end - 1].isSpace()) {
                --end;
            }
            ends.insert(end);
        }
    }
    EXPECT_EQ(rows, 30);
    EXPECT_EQ(ends.size(), 1U) << text.toStdString();
}

TEST_F(PanelPrint, ListsOfAStartedProgramComeOutOfTheDefaultPrinter) {
    InstallWith("C:\\ZELKONYV.217\\A2017.EXE", "/NYOMTAT=2 /KILEP", true);
    StartLauncher();
    Click(Control("TForm1", "A17"));

    auto* pages = Control<QTabWidget>("TForm1", "PageControl1");
    pages->setCurrentWidget(Control("TForm1", "TabSheet3"));
    auto* finished = Control<StringGrid>("TForm1", "StringGrid2");
    ASSERT_TRUE(WaitFor([&] {
        return finished->Cell(0, 2) == QString::fromUtf8("Főkönyvi kivonat");
    })) << "the lists were not printed:\n"
        << GridText(*finished);
    EXPECT_EQ(finished->Cell(0, 0), "Lista neve");
    EXPECT_EQ(finished->Cell(0, 1), QString::fromUtf8("Naplófőkönyv"));
    EXPECT_EQ(finished->Cell(1, 1), QString::fromUtf8("2017. év"));
    EXPECT_FALSE(finished->Cell(2, 2).isEmpty());
    EXPECT_TRUE(PrintFiles("C:\\ZELKOR\\Printing").empty());
    const auto log = Log("C:\\ZELKONYV.217");
    EXPECT_EQ(log.at("ARG1"), "/NYOMTAT=2");
    EXPECT_EQ(log.at("ARG4"), "PRN:C:\\ZELKOR\\Printing");

    const auto pdfs = WaitForPdfs(2, QString::fromUtf8("ZELKOR Egyszeres könyvvitel 2017"));
    ASSERT_EQ(pdfs.size(), 2U) << "no PDF arrived in " << m_pdfFolder;
    // The queue's PostScript step may keep a bold accented letter out of the text layer,
    // though it prints it: the list names are told apart by their other letters.
    const QRegularExpression firstList(QString::fromUtf8("F.?könyvi kivonat"));
    const QRegularExpression secondList(QString::fromUtf8("Naplóf.?könyv"));
    int first = 0;
    int second = 0;
    for (const std::string& pdf : pdfs) {
        EXPECT_EQ(PageCount(pdf), 1);
        const QString text = QString::fromStdString(PdfText(pdf));
        EXPECT_TRUE(text.contains(QString::fromUtf8("Fizetendő bérek, előleg")))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QString::fromUtf8("Műszaki berendezések"))) << text.toStdString();
        ExpectColumns(text);
        first += text.contains(firstList) ? 1 : 0;
        second += text.contains(secondList) ? 1 : 0;
    }
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
}

TEST_F(PanelPrint, AListWaitingWhenThePanelClosesIsPrintedAfterTheNextStart) {
    InstallWith("C:\\ZELBER.217\\B2017.EXE", "/NYOMTAT=1 /KILEP", false);
    StartLauncher();
    EXPECT_EQ(AnswerMessage(), QString::fromUtf8("A Windows alapú nyomtatás jelenleg inaktív!"));
    Click(Control("TForm1", "B17"));
    ASSERT_TRUE(WaitFor([&] { return Log("C:\\ZELBER.217").count("NYOMTAT") != 0; }));
    ASSERT_TRUE(WaitFor([&] { return m_mark.Marked().empty(); }));
    const auto waiting = PrintFiles("C:\\ZELKOR\\Printing");
    ASSERT_EQ(waiting.size(), 1U);
    const std::string bytes = ReadNativeFile(waiting.front());

    ExitPanel();
    ASSERT_TRUE(fs::exists(waiting.front()));
    EXPECT_EQ(ReadNativeFile(waiting.front()), bytes);

    StartLauncher();
    EXPECT_EQ(AnswerMessage(), QString::fromUtf8("A Windows alapú nyomtatás jelenleg inaktív!"));
    auto* pages = Control<QTabWidget>("TForm1", "PageControl1");
    pages->setCurrentWidget(Control("TForm1", "TabSheet3"));
    Click(Control("TForm1", "btNyomtat"));
    auto* finished = Control<StringGrid>("TForm1", "StringGrid2");
    ASSERT_TRUE(WaitFor([&] { return finished->Cell(0, 1) == QString::fromUtf8("Bérjegyzék"); }))
        << GridText(*finished);
    EXPECT_FALSE(fs::exists(waiting.front()));
    const auto pdfs = WaitForPdfs(1, QString::fromUtf8("ZELKOR Bérszámfejtés 2017"));
    ASSERT_EQ(pdfs.size(), 1U) << "no PDF arrived in " << m_pdfFolder;
    EXPECT_EQ(PageCount(pdfs.front()), 1);
}

} // namespace
} // namespace zel::test
