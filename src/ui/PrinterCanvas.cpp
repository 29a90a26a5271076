#include "ui/PrinterCanvas.h"

#include "pdf/PdfDocument.h"
#include "pdf/RunPlacement.h"
#include "ui/MeasureWindow.h"
#include "ui/QtText.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTransform>
#include <stdexcept>

namespace zel {
namespace {

QString FromUcs4(std::u32string_view text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

SheetLayout SheetOf(const QPageLayout& layout, int resolution) {
    const QRect full = layout.fullRectPoints();
    const QRect printable = layout.paintRectPixels(resolution);
    return {static_cast<double>(full.width()), static_cast<double>(full.height()), resolution,
            printable.left(), printable.top()};
}

} // namespace

PrinterCanvas::PrinterCanvas(QPrinter& printer, MeasureWindow& measure,
                             std::chrono::milliseconds patience)
    : m_printer(printer), m_measure(measure), m_drawingFont(measure.PixelFont()),
      m_drawingFace(QRawFont::fromFont(m_drawingFont)), m_patience(patience) {}

PrinterCanvas::~PrinterCanvas() {
    AbortDocument();
}

bool PrinterCanvas::ChosenIsFilePrinter() const {
    return m_printer.outputFormat() == QPrinter::PdfFormat || !m_printer.outputFileName().isEmpty();
}

PageSize PrinterCanvas::PrintablePage() {
    // The layout carries the full-page mode too.
    const QRect printable = m_printer.pageLayout().paintRectPixels(m_printer.resolution());
    return {printable.width(), printable.height()};
}

void PrinterCanvas::Fail(const QString& what) {
    QString printer = m_printer.printerName();
    if (ChosenIsFilePrinter()) {
        printer = m_printer.outputFileName();
    }
    throw std::runtime_error(ToCp1250(
        printer.isEmpty() ? QStringLiteral("Nincs kiválasztott nyomtató.") : what.arg(printer)));
}

void PrinterCanvas::BeginDocument(std::string_view title) {
    DropJob();
    const QString notStarted = QStringLiteral("A nyomtatás nem indítható el a(z) „%1” nyomtatón.");
    m_title = FromCp1250(title).toStdString();
    QString fileName;
    if (ChosenIsFilePrinter()) {
        m_queue.clear();
        fileName = m_printer.outputFileName();
    } else {
        m_queue = m_printer.printerName();
        if (m_queue.isEmpty()) {
            Fail(notStarted);
        }
        // A folder of its own: the document is created new, where no one else can reach it.
        m_jobFolder = std::make_unique<QTemporaryDir>();
        if (!m_jobFolder->isValid()) {
            Fail(notStarted);
        }
        fileName = m_jobFolder->filePath(QStringLiteral("job.pdf"));
    }
    if (fileName.isEmpty()) {
        DropJob();
        Fail(notStarted);
    }
    // The colour mode is not needed: the pages are black on white, which a grey-scale printer
    // prints alike.
    m_job = std::make_unique<PdfDocument>(QFile::encodeName(fileName).toStdString(),
                                          SheetOf(m_printer.pageLayout(), m_printer.resolution()),
                                          FromCp1250(title).toStdU32String());
    if (!m_job->IsOpen()) {
        DropJob();
        Fail(notStarted);
    }
}

void PrinterCanvas::NewPage() {
    if (!m_job || !m_job->NewPage()) {
        Fail(QStringLiteral("A(z) „%1” nyomtató nem fogadta el a nyomtatást."));
    }
}

void PrinterCanvas::EndDocument() {
    const QString refused = QStringLiteral("A(z) „%1” nyomtató nem fogadta el a nyomtatást.");
    if (!m_job || !m_job->Finish()) {
        DropJob();
        Fail(refused);
    }
    m_job.reset();
    if (m_queue.isEmpty()) {
        DropJob();
        return;
    }
    posix::CupsJobOptions options;
    options.copies = m_printer.copyCount();
    options.collate = m_printer.collateCopies();
    if (m_printer.duplex() == QPrinter::DuplexLongSide) {
        options.sides = "two-sided-long-edge";
    } else if (m_printer.duplex() == QPrinter::DuplexShortSide) {
        options.sides = "two-sided-short-edge";
    }
    const QString pdf = m_jobFolder->filePath(QStringLiteral("job.pdf"));
    m_delivery =
        std::make_unique<CupsDelivery>(m_queue.toStdString(), std::move(m_jobFolder),
                                       pdf.toStdString(), m_title, std::move(options), m_patience);
}

bool PrinterCanvas::DocumentDelivered() {
    if (!m_delivery) {
        return true;
    }
    bool delivered = false;
    try {
        delivered = m_delivery->Delivered();
    } catch (...) {
        DropJob();
        throw;
    }
    if (delivered) {
        DropJob();
    }
    return delivered;
}

void PrinterCanvas::AbortDocument() noexcept {
    DropJob();
}

void PrinterCanvas::DropJob() noexcept {
    m_delivery.reset();
    m_job.reset();
    m_jobFolder.reset();
}

void PrinterCanvas::SetStyle(bool bold, bool italic) {
    m_measure.SetStyle(bold, italic);
    m_drawingFont = m_measure.PixelFont();
    m_drawingFace = QtFontFace(QRawFont::fromFont(m_drawingFont));
}

int PrinterCanvas::TextWidth(std::u32string_view text) {
    return m_measure.TextWidth(FromUcs4(text));
}

QTransform RunTransform(const QRect& cells, QSize natural, double squeeze, int ascent,
                        int descent) {
    QTransform box;
    box.translate(cells.left(), cells.top());
    box.scale(static_cast<double>(cells.width()) / natural.width(),
              static_cast<double>(cells.height()) / natural.height());
    // The box is 1.7 mean letters high, which held the old printer face whole; a face with
    // taller ascenders and descenders is pressed into it rather than losing its descenders.
    const double glyphHeight = 1.0 + ascent + descent;
    if (glyphHeight > natural.height()) {
        box.scale(1, natural.height() / glyphHeight);
    }
    box.translate(1, 1 + ascent);
    box.scale(squeeze, 1);
    return box;
}

void PrinterCanvas::DrawRun(std::u32string_view text, int naturalWidth, int naturalHeight,
                            const PixelRect& target) {
    if (!m_job || naturalWidth <= 0 || naturalHeight <= 0 || target.Width() <= 0 ||
        target.Height() <= 0) {
        return;
    }
    const QString run = FromUcs4(text);
    const QRect cells(target.left, target.top, target.Width(), target.Height());
    // The glyphs take the width the screen measured, as they would on the bitmap.
    const double drawnWidth = QFontMetricsF(m_drawingFont).horizontalAdvance(run);
    const double squeeze = drawnWidth > 0 ? m_measure.TextWidth(run) / drawnWidth : 1.0;
    const QTransform glyphs = RunTransform(cells, {naturalWidth, naturalHeight}, squeeze,
                                           m_measure.Ascent(), m_measure.Descent());
    const RunPlacement placement{
        {cells.left(), cells.top(), cells.width(), cells.height()},
        {glyphs.m11(), glyphs.m12(), glyphs.m21(), glyphs.m22(), glyphs.dx(), glyphs.dy()}};
    if (!m_job->DrawRun(placement, m_drawingFace, m_drawingFace.PixelSize(), text)) {
        DropJob();
        Fail(QStringLiteral("A(z) „%1” nyomtató nem fogadta el a nyomtatást."));
    }
}

} // namespace zel
