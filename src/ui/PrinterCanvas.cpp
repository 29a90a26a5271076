#include "ui/PrinterCanvas.h"

#include "ui/MeasureWindow.h"
#include "ui/QtText.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QTransform>
#include <stdexcept>

namespace zel {
namespace {

QString FromUcs4(std::u32string_view text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

PrinterCanvas::PrinterCanvas(QPrinter& printer, MeasureWindow& measure)
    : m_printer(printer), m_measure(measure), m_drawingFont(measure.PixelFont()) {}

PageSize PrinterCanvas::PrintablePage() {
    return {m_printer.width(), m_printer.height()};
}

void PrinterCanvas::Fail(const QString& what) {
    QString printer = m_printer.printerName();
    if (printer.isEmpty()) {
        printer = m_printer.outputFileName();
    }
    throw std::runtime_error(ToCp1250(
        printer.isEmpty() ? QStringLiteral("Nincs kiválasztott nyomtató.") : what.arg(printer)));
}

void PrinterCanvas::BeginDocument(std::string_view title) {
    m_printer.setDocName(FromCp1250(title));
    if (!m_painter.begin(&m_printer)) {
        Fail(QStringLiteral("A nyomtatás nem indítható el a(z) „%1” nyomtatón."));
    }
    m_painter.setPen(QPen(Qt::black, 0, Qt::SolidLine));
    m_painter.setBrush(Qt::black);
}

void PrinterCanvas::NewPage() {
    if (!m_printer.newPage()) {
        Fail(QStringLiteral("A(z) „%1” nyomtató nem fogadta el a nyomtatást."));
    }
}

void PrinterCanvas::EndDocument() {
    if (!m_painter.end() || m_printer.printerState() == QPrinter::Error) {
        Fail(QStringLiteral("A(z) „%1” nyomtató nem fogadta el a nyomtatást."));
    }
}

void PrinterCanvas::AbortDocument() noexcept {
    if (m_painter.isActive()) {
        m_printer.abort();
        m_painter.end();
    }
}

void PrinterCanvas::SetStyle(bool bold, bool italic) {
    m_measure.SetStyle(bold, italic);
    m_drawingFont = m_measure.PixelFont();
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
    if (naturalWidth <= 0 || naturalHeight <= 0 || target.Width() <= 0 || target.Height() <= 0) {
        return;
    }
    const QString run = FromUcs4(text);
    const QRect cells(target.left, target.top, target.Width(), target.Height());
    m_painter.save();
    m_painter.setClipRect(cells);
    // The white ground of the old bitmap covers whatever lies below.
    m_painter.fillRect(cells, Qt::white);
    // The glyphs take the width the screen measured, as they would on the bitmap.
    const double drawnWidth = QFontMetricsF(m_drawingFont).horizontalAdvance(run);
    const double squeeze = drawnWidth > 0 ? m_measure.TextWidth(run) / drawnWidth : 1.0;
    m_painter.setTransform(RunTransform(cells, {naturalWidth, naturalHeight}, squeeze,
                                        m_measure.Ascent(), m_measure.Descent()));
    m_painter.setFont(m_drawingFont);
    m_painter.drawText(QPointF(0, 0), run);
    m_painter.restore();
}

} // namespace zel
