#include "pdf/PdfCanvas.h"
#include "spool/JobGrid.h"
#include "spool/PageRenderer.h"
#include "support/MemoryFile.h"
#include "support/TempDir.h"
#include "support/WineWorld.h"
#include "ui/FileTimeText.h"
#include "ui/PrintControl.h"
#include "ui/StringGrid.h"
#include "uiprint/MeasureWindow.h"
#include "uiprint/QtChosenPrinter.h"
#include "uiprint/QtPrintFont.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QLocale>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

// Lists are printed as soon as they are there: these tests are not about a writer elsewhere.
const SpoolTiming kAtOnce{std::chrono::milliseconds(0), {}};

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PageCount(const fs::path& pdf) {
    const QString info = Run("pdfinfo", {QString::fromStdString(pdf.string())});
    for (const QString& line : info.split('\n')) {
        if (line.startsWith("Pages:")) {
            return line.mid(6).trimmed().toInt();
        }
    }
    return -1;
}

QStringList PageText(const fs::path& pdf, int page) {
    QString text =
        Run("pdftotext", {"-layout", "-f", QString::number(page), "-l", QString::number(page),
                          QString::fromStdString(pdf.string()), "-"});
    text.replace(QChar(0x00A0), u' ').remove(u'\f');
    return text.split('\n');
}

void PrintToPdf(const std::string& bytes, const fs::path& pdf) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    MeasureWindow measure;
    QtPrintFont font(measure);
    PdfCanvas canvas([&printer] { return ChosenPrinterOf(printer); }, font);
    MemoryFile file(bytes);
    RenderPrintFile(file, canvas, "lista");
}

std::string TableLine(int i) {
    char line[96];
    std::snprintf(line, sizeof(line), "%-20s%10d%10s%40s", ("Tétel " + std::to_string(i)).c_str(),
                  i * 137, "Ft", "");
    return line;
}

TEST(QtPrinting, APdfKeepsTheColumnsAndPagesOfTheList) {
    TempDir dir;
    std::string body;
    for (int i = 1; i <= 71; ++i) {
        body += TableLine(i) + "\r\n";
    }
    const fs::path pdf = dir.Path() / "lista.pdf";
    PrintToPdf("\xAD"
               "0LISTA\r\n" +
                   body,
               pdf);

    ASSERT_EQ(PageCount(pdf), 2);
    const QStringList page1 = PageText(pdf, 1);
    int column = -1;
    int found = 0;
    for (const QString& line : page1) {
        const int at = line.indexOf(QRegularExpression("\\d+ +Ft"));
        if (at < 0) {
            continue;
        }
        const int end = line.indexOf("Ft");
        if (column < 0) {
            column = end;
        }
        EXPECT_EQ(end, column) << line.toStdString();
        ++found;
    }
    EXPECT_EQ(found, 70);
    EXPECT_TRUE(PageText(pdf, 2).join('\n').contains("71"));
}

TEST(QtPrinting, HungarianLettersAndAttributesReachThePdf) {
    TempDir dir;
    const fs::path pdf = dir.Path() / "betuk.pdf";
    PrintToPdf("\xAD"
               "0X\r\n"
               "\x94r\x8Bk \xAD"
               "Kf\x82lk\x94v\xAD"
               "k \xAD"
               "BSZ\xAD"
               "b\r\n\xAD"
               "L\r\nm\xA0sodik\r\n",
               pdf);
    EXPECT_EQ(PageCount(pdf), 2);
    const QString first = PageText(pdf, 1).join('\n');
    EXPECT_TRUE(first.contains(QString::fromUtf8("örők"))) << first.toStdString();
    EXPECT_TRUE(first.contains(QString::fromUtf8("félkö"))) << first.toStdString();
    EXPECT_TRUE(PageText(pdf, 2).join('\n').contains(QString::fromUtf8("második")));
}

TEST(QtPrinting, PagesKeepThePrintableAreaAndSizeOfTheChosenLayout) {
    TempDir dir;
    const fs::path pdf = dir.Path() / "margins.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(12, 7, 5, 20), QPageLayout::Millimeter);
    MeasureWindow measure;
    QtPrintFont font(measure);
    PdfCanvas canvas([&printer] { return ChosenPrinterOf(printer); }, font);
    // As Qt's own PDF engine, which laid the pages out before, gives the printable area.
    QPdfWriter reference(QString{});
    reference.setResolution(printer.resolution());
    reference.setPageLayout(printer.pageLayout());
    const PageSize page = canvas.PrintablePage();
    EXPECT_EQ(page.width, reference.width());
    EXPECT_EQ(page.height, reference.height());

    MemoryFile file("\xAD"
                    "0X\r\nlevel\r\n");
    RenderPrintFile(file, canvas, "level");
    EXPECT_TRUE(test::Run("pdfinfo", {QString::fromStdString(pdf.string())})
                    .contains(QRegularExpression("Page size: +612 x 792 pts")));
}

// What a job takes from the printer the user chose: where it goes, and how many of it.
TEST(QtPrinting, TheChosenPrinterCarriesItsFileAndCopies) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromUtf8("/tmp/bér lista.pdf"));
    printer.setCopyCount(3);
    printer.setCollateCopies(false);
    ChosenPrinter chosen = ChosenPrinterOf(printer);
    EXPECT_TRUE(chosen.toFile);
    EXPECT_EQ(chosen.name, "/tmp/bér lista.pdf");
    EXPECT_EQ(chosen.options.copies, 3);
    EXPECT_FALSE(chosen.options.collate);
    EXPECT_EQ(chosen.options.sides, "one-sided");
    EXPECT_EQ(chosen.sheet.resolution, printer.resolution());
}

TEST(PrintControl, ShowsTheJobsAndStopsOnAPrinterThatFails) {
    WineWorld world;
    const fs::path root = world.AddDrive('C');
    fs::create_directories(root / "Printing");
    WriteNativeFile(root / "Printing" / "ws0001.A17", "\xAD"
                                                      "0B\xA0r lista  \xAD"
                                                      "32017\xAD"
                                                      "41\r\nsor\r\n");
    const auto platform = world.MakePlatform();
    StringGrid running(7, 2);
    StringGrid finished(7, 2);
    QWidget owner;
    PrintControl control(*platform, "C:\\Printing", owner, kAtOnce);
    control.ShowJobsIn(running, finished);
    control.Printer().setOutputFormat(QPrinter::PdfFormat);
    control.Printer().setOutputFileName(
        QString::fromStdString((root / "no such folder" / "out.pdf").string()));

    const SpoolTickResult failed = control.Tick(true);
    EXPECT_TRUE(failed.printingStopped);
    EXPECT_FALSE(failed.error.empty());
    EXPECT_TRUE(fs::exists(root / "Printing" / "ws0001.A17"));
    // Row 0 is the fixed header row; the jobs begin in row 1.
    ASSERT_EQ(running.rowCount(), 2);
    EXPECT_EQ(running.Cell(2, 0), QString::fromUtf8("Nyomtatás időpontja"));
    EXPECT_EQ(running.Cell(0, 1), QString::fromUtf8("Bár lista"));
    EXPECT_EQ(running.Cell(1, 1), QString::fromUtf8("2017. év"));
    EXPECT_EQ(running.Cell(6, 1), QStringLiteral("ws0001.A17"));
    EXPECT_TRUE(running.item(1, 0)->flags().testFlag(Qt::ItemIsSelectable));
    EXPECT_EQ(running.columnWidth(4), 0);
    EXPECT_EQ(running.columnWidth(6), 0);
    EXPECT_EQ(finished.rowCount(), 2);
    EXPECT_EQ(finished.Cell(0, 0), QString::fromUtf8("Lista neve"));
    EXPECT_EQ(finished.Cell(0, 1), QString());

    const fs::path pdf = root / "out.pdf";
    control.Printer().setOutputFileName(QString::fromStdString(pdf.string()));
    EXPECT_TRUE(control.Tick(true).printed);
    EXPECT_EQ(PageCount(pdf), 1);
    EXPECT_FALSE(fs::exists(root / "Printing" / "ws0001.A17"));
    EXPECT_EQ(finished.Cell(0, 1), QString::fromUtf8("Bár lista"));
    EXPECT_EQ(running.rowCount(), 2);
    EXPECT_EQ(running.Cell(0, 1), QString());
}

// The window makes its tables when the print page is first shown: tables made after some
// ticks must show what tables kept up to date through them show.
TEST(PrintControl, TablesMadeLateShowWhatTablesKeptUpShow) {
    WineWorld world;
    const fs::path root = world.AddDrive('C');
    fs::create_directories(root / "Printing");
    const auto write = [&](const char* name, const std::string& title) {
        WriteNativeFile(root / "Printing" / name, "\xAD"
                                                  "0" +
                                                      title + "\r\nsor\r\n");
    };
    write("ws0001.A17", "Napl\xF3");
    write("ws0002.B18", "B\xE9rjegyz\xE9k");
    write("ws0003.A19", "Kivonat");
    const auto platform = world.MakePlatform();
    StringGrid running(7, 2);
    StringGrid finished(7, 2);
    QWidget owner;
    PrintControl control(*platform, "C:\\Printing", owner, kAtOnce);
    control.ShowJobsIn(running, finished);
    control.Printer().setOutputFormat(QPrinter::PdfFormat);
    control.Printer().setOutputFileName(QString::fromStdString((root / "out.pdf").string()));
    EXPECT_TRUE(control.Tick(true).printed);
    write("ws0004.B20", "Utols\xF3");
    EXPECT_TRUE(control.Tick(true).printed);
    ASSERT_GT(running.rowCount(), 2);
    ASSERT_GT(finished.rowCount(), 2);

    StringGrid lateRunning(7, 2);
    StringGrid lateFinished(7, 2);
    control.ShowJobsIn(lateRunning, lateFinished);
    for (const auto& [kept, late] :
         {std::pair{&running, &lateRunning}, {&finished, &lateFinished}}) {
        ASSERT_EQ(late->rowCount(), kept->rowCount());
        for (int column = 0; column < kJobColumns; ++column) {
            EXPECT_EQ(late->columnWidth(column), kept->columnWidth(column));
            for (int row = 0; row < kept->rowCount(); ++row) {
                EXPECT_EQ(late->Cell(column, row), kept->Cell(column, row));
                EXPECT_EQ(late->item(row, column)->flags(), kept->item(row, column)->flags());
            }
        }
    }
}

// Setting up a printer asks the print server for every printer it has: a start, and every
// tick with nothing to print, must not pay for it.
TEST(PrintControl, SetsUpThePrinterOnlyWhenAJobOrTheSetupNeedsIt) {
    WineWorld world;
    const fs::path root = world.AddDrive('C');
    fs::create_directories(root / "Printing");
    const auto platform = world.MakePlatform();
    StringGrid running(7, 2);
    StringGrid finished(7, 2);
    const auto measuringWindows = [] {
        int count = 0;
        for (const QWidget* widget : QApplication::allWidgets()) {
            count += widget->objectName() == QStringLiteral("TForm7") ? 1 : 0;
        }
        return count;
    };
    const int before = measuringWindows();
    QWidget owner;
    PrintControl control(*platform, "C:\\Printing", owner, kAtOnce);
    control.ShowJobsIn(running, finished);
    EXPECT_TRUE(control.Tick(true).scanned);
    EXPECT_EQ(measuringWindows(), before);

    control.Printer().setOutputFormat(QPrinter::PdfFormat);
    EXPECT_EQ(measuringWindows(), before + 1);
    const fs::path pdf = root / "out.pdf";
    control.Printer().setOutputFileName(QString::fromStdString(pdf.string()));
    WriteNativeFile(root / "Printing" / "ws0001.A17", "\xAD"
                                                      "0lista\r\nsor\r\n");
    EXPECT_TRUE(control.Tick(true).printed);
    EXPECT_EQ(PageCount(pdf), 1);
    EXPECT_EQ(measuringWindows(), before + 1);
}

// A long list goes on in slices from the event loop, and stopping it leaves it whole.
TEST(PrintControl, ALongJobPrintsInSlicesAndStopsWhenAsked) {
    WineWorld world;
    const fs::path root = world.AddDrive('C');
    fs::create_directories(root / "Printing");
    std::string list = "\xAD"
                       "0Hossz\xA3 lista\r\n";
    for (int i = 1; i <= 70 * 40; ++i) {
        list += TableLine(i) + "\r\n";
    }
    const fs::path waiting = root / "Printing" / "ws0001.A17";
    WriteNativeFile(waiting, list);
    const auto platform = world.MakePlatform();
    StringGrid running(7, 2);
    StringGrid finished(7, 2);
    QWidget owner;
    PrintControl control(*platform, "C:\\Printing", owner, kAtOnce);
    control.ShowJobsIn(running, finished);
    const fs::path pdf = root / "out.pdf";
    control.Printer().setOutputFormat(QPrinter::PdfFormat);
    control.Printer().setOutputFileName(QString::fromStdString(pdf.string()));

    EXPECT_FALSE(control.Tick(true).printed);
    ASSERT_TRUE(control.Spool().JobInProgress());
    EXPECT_FALSE(fs::exists(waiting));
    EXPECT_EQ(running.Cell(0, 1), QString::fromUtf8("Hosszú lista"));
    QApplication::processEvents();
    EXPECT_FALSE(control.Tick(false).printingStopped);
    EXPECT_FALSE(control.Spool().JobInProgress());
    EXPECT_EQ(ReadNativeFile(waiting), list);

    EXPECT_FALSE(control.Tick(true).printed);
    int slices = 0;
    while (control.Spool().JobInProgress() && slices < 100000) {
        QApplication::processEvents();
        ++slices;
    }
    EXPECT_GT(slices, 10);
    EXPECT_FALSE(fs::exists(waiting));
    EXPECT_EQ(finished.Cell(0, 1), QString::fromUtf8("Hosszú lista"));
    EXPECT_EQ(PageCount(pdf), 40);
}

TEST(PrintControl, CancellingThePrinterSetupKeepsThePrinter) {
    WineWorld world;
    world.AddDrive('C');
    const auto platform = world.MakePlatform();
    StringGrid running(7, 2);
    StringGrid finished(7, 2);
    QWidget owner;
    PrintControl control(*platform, "C:\\Printing", owner, kAtOnce);
    control.ShowJobsIn(running, finished);
    control.Printer().setOutputFormat(QPrinter::PdfFormat);
    TempDir dir;
    const QString kept = QString::fromStdString((dir.Path() / "kept.pdf").string());
    control.Printer().setOutputFileName(kept);
    control.Printer().setPageOrientation(QPageLayout::Landscape);

    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown = dialog->objectName();
            dialog->reject();
        }
    });
    control.SetupPrinter();
    EXPECT_EQ(shown, QStringLiteral("PrinterSetupDialog1"));
    EXPECT_EQ(control.Printer().outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(control.Printer().outputFileName(), kept);
    EXPECT_EQ(control.Printer().pageLayout().orientation(), QPageLayout::Landscape);
}

TEST(FileTimeText, ShortDateLongTimeWithoutZoneAndNoTimeAtMidnight) {
    const QLocale hungarian(QLocale::Hungarian, QLocale::Hungary);
    const QDate day(2017, 3, 9);
    const QString noon = FileTimeText(hungarian, QDateTime(day, QTime(14, 5, 7)));
    EXPECT_TRUE(noon.startsWith(hungarian.toString(day, QLocale::ShortFormat)));
    EXPECT_TRUE(noon.endsWith("14:05:07")) << noon.toStdString();
    EXPECT_EQ(FileTimeText(hungarian, QDateTime(day, QTime(0, 0))),
              hungarian.toString(day, QLocale::ShortFormat));
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QString evening = FileTimeText(english, QDateTime(day, QTime(21, 0, 1)));
    EXPECT_TRUE(evening.endsWith("9:00:01 PM")) << evening.toStdString();
}

} // namespace
} // namespace zel::test
