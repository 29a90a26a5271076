#include "ui/PdfDocument.h"

#include "support/TempDir.h"
#include "ui/MeasureWindow.h"

#include <QPageLayout>
#include <QPageSize>
#include <QProcess>
#include <QRawFont>
#include <QRect>
#include <QRegularExpression>
#include <QTransform>
#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

constexpr int kResolution = 1200;

struct Outcome {
    int exitCode = -1;
    QString output;
};

Outcome RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput())};
}

QString Native(const fs::path& path) {
    return QString::fromStdString(path.string());
}

int PageCount(const fs::path& pdf) {
    for (const QString& line :
         RunTool(QStringLiteral("pdfinfo"), {Native(pdf)}).output.split(u'\n')) {
        if (line.startsWith(QStringLiteral("Pages:"))) {
            return line.mid(6).trimmed().toInt();
        }
    }
    return -1;
}

QString PageText(const fs::path& pdf, int page) {
    const QString number = QString::number(page);
    return RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), number, QStringLiteral("-l"),
                                                 number, Native(pdf), QStringLiteral("-")})
        .output;
}

bool PassesCheck(const fs::path& pdf) {
    return RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), Native(pdf)}).exitCode == 0;
}

// An A4 page with margins of 10 mm, as a printer's layout gives it.
QPageLayout PrinterLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

// A run of text one cell high at the corner of the given cells.
QTransform RunAt(const QRect& cells) {
    return QTransform::fromTranslate(cells.left(), cells.top() + 30).scale(2, 3);
}

class PdfDocumentTest : public ::testing::Test {
protected:
    PdfDocumentTest() {
        m_regular = QRawFont::fromFont(m_measure.PixelFont());
        m_measure.SetStyle(true, false);
        m_bold = QRawFont::fromFont(m_measure.PixelFont());
    }

    [[nodiscard]] fs::path Pdf() const { return m_dir.Path() / "lista.pdf"; }

    TempDir m_dir;
    MeasureWindow m_measure;
    QRawFont m_regular;
    QRawFont m_bold;
};

TEST_F(PdfDocumentTest, PagesKeepTheirTextFacesAndHungarianLetters) {
    PdfDocument document(Native(Pdf()), PrinterLayout(), kResolution, QStringLiteral("lista"));
    ASSERT_TRUE(document.IsOpen());
    for (int page = 1; page <= 3; ++page) {
        for (int line = 0; line < 70; ++line) {
            const QRect cells(0, line * 130, 4000, 128);
            const QString text = QStringLiteral("%1. oldal %2. sor ").arg(page).arg(line);
            ASSERT_TRUE(document.DrawRun(cells, RunAt(cells), m_regular, text));
            const QRect more(4100, line * 130, 4000, 128);
            ASSERT_TRUE(document.DrawRun(more, RunAt(more), m_bold,
                                         QString::fromUtf8("őrző ŰŐ (zárójel) \\")));
        }
        if (page < 3) {
            ASSERT_TRUE(document.NewPage());
        }
    }
    ASSERT_TRUE(document.Finish());

    EXPECT_TRUE(PassesCheck(Pdf()));
    ASSERT_EQ(PageCount(Pdf()), 3);
    const QString last = PageText(Pdf(), 3);
    EXPECT_TRUE(last.contains(QStringLiteral("3. oldal 69. sor"))) << last.toStdString();
    EXPECT_TRUE(last.contains(QString::fromUtf8("őrző ŰŐ (zárójel) \\"))) << last.toStdString();
    EXPECT_FALSE(PageText(Pdf(), 2).contains(QStringLiteral("3. oldal")));

    // Each face once, as a subset, with the letters its glyphs stand for.
    const QStringList fonts = RunTool(QStringLiteral("pdffonts"), {Native(Pdf())})
                                  .output.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(fonts.size(), 4) << fonts.join(u'\n').toStdString();
    for (const QString& font : fonts.mid(2)) {
        EXPECT_TRUE(font.contains(QRegularExpression(QStringLiteral("yes +yes +yes"))))
            << font.toStdString();
    }
    // The face is in the file once, not once a page.
    EXPECT_LT(fs::file_size(Pdf()), 3 * 8000u);
}

TEST_F(PdfDocumentTest, TextLiesWhereTheTransformPutsIt) {
    {
        PdfDocument document(Native(Pdf()), PrinterLayout(), kResolution, QStringLiteral("x"));
        const QRect cells(1200, 2400, 600, 100);
        ASSERT_TRUE(document.DrawRun(cells, RunAt(cells), m_regular, QStringLiteral("MMMM")));
        ASSERT_TRUE(document.Finish());
    }
    const QString boxes = RunTool(QStringLiteral("pdftotext"),
                                  {QStringLiteral("-bbox"), Native(Pdf()), QStringLiteral("-")})
                              .output;
    const QRegularExpressionMatch word =
        QRegularExpression(
            QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                           "yMax=\"([\\d.]+)\">MMMM"))
            .match(boxes);
    ASSERT_TRUE(word.hasMatch()) << boxes.toStdString();
    // 10 mm of margin, then device pixels of a 1200th of an inch; four letters twice as wide.
    const double point = 72.0 / kResolution;
    const double margin = 10 * 72 / 25.4;
    const double advance =
        m_regular
            .advancesForGlyphIndexes(m_regular.glyphIndexesForString(QStringLiteral("M")),
                                     QRawFont::UseDesignMetrics)
            .front()
            .x();
    EXPECT_NEAR(word.captured(1).toDouble(), margin + 1200 * point, 1.0);
    EXPECT_NEAR(word.captured(3).toDouble(), margin + (1200 + 8 * advance) * point, 1.0);
    // Upright on a baseline 30 device pixels below the top of the cells: the letters reach
    // far above it and only their descent below.
    const double baseline = margin + (2400 + 30) * point;
    EXPECT_LT(word.captured(2).toDouble(), baseline - 3);
    EXPECT_GT(word.captured(4).toDouble(), baseline);
    EXPECT_LT(word.captured(4).toDouble(), baseline + 2);
}

TEST_F(PdfDocumentTest, AnEmptyJobIsOneBlankPage) {
    PdfDocument document(Native(Pdf()), PrinterLayout(), kResolution, QStringLiteral("üres"));
    ASSERT_TRUE(document.Finish());
    EXPECT_TRUE(PassesCheck(Pdf()));
    EXPECT_EQ(PageCount(Pdf()), 1);
}

TEST_F(PdfDocumentTest, AnAbandonedJobLeavesWhatWasThere) {
    WriteNativeFile(Pdf(), "the previous list");
    {
        PdfDocument document(Native(Pdf()), PrinterLayout(), kResolution, QStringLiteral("x"));
        ASSERT_TRUE(document.IsOpen());
        const QRect cells(0, 0, 600, 100);
        ASSERT_TRUE(document.DrawRun(cells, RunAt(cells), m_regular, QStringLiteral("félkész")));
        ASSERT_TRUE(document.NewPage());
    }
    EXPECT_EQ(ReadNativeFile(Pdf()), "the previous list");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir.Path()), fs::directory_iterator{}), 1)
        << "no half-written file is left behind";

    PdfDocument nowhere(Native(m_dir.Path() / "missing" / "lista.pdf"), PrinterLayout(),
                        kResolution, QStringLiteral("x"));
    EXPECT_FALSE(nowhere.IsOpen());
    EXPECT_FALSE(nowhere.NewPage());
    EXPECT_FALSE(nowhere.Finish());
    EXPECT_FALSE(fs::exists(m_dir.Path() / "missing"));
}

TEST_F(PdfDocumentTest, TenThousandPagesStayValidAndSmall) {
    constexpr int kPages = 10000;
    {
        PdfDocument document(Native(Pdf()), PrinterLayout(), kResolution, QStringLiteral("hosszú"));
        for (int page = 1; page <= kPages; ++page) {
            const QRect cells(0, 0, 2000, 100);
            ASSERT_TRUE(document.DrawRun(cells, RunAt(cells), m_regular, QString::number(page)));
            if (page < kPages) {
                ASSERT_TRUE(document.NewPage());
            }
        }
        ASSERT_TRUE(document.Finish());
    }
    EXPECT_TRUE(PassesCheck(Pdf()));
    EXPECT_EQ(PageCount(Pdf()), kPages);
    EXPECT_TRUE(PageText(Pdf(), kPages).contains(QString::number(kPages)));
    EXPECT_LT(fs::file_size(Pdf()) / kPages, 400u);
}

} // namespace
} // namespace zel::test
