#include "QtEngineCanvas.h"

#include "spool/RunTransform.h"
#include "uiprint/MeasureWindow.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QTransform>

namespace zel::bench {
namespace {

QString FromUcs4(std::u32string_view text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QtEngineCanvas::QtEngineCanvas(const QString& fileName, MeasureWindow& measure)
    : m_measure(measure), m_writer(fileName), m_font(measure.PixelFont()) {
    const QPrinter printer(QPrinter::HighResolution);
    m_writer.setResolution(printer.resolution());
    m_writer.setPageLayout(printer.pageLayout());
}

PageSize QtEngineCanvas::PrintablePage() {
    return {m_writer.width(), m_writer.height()};
}

void QtEngineCanvas::BeginDocument(std::string_view) {
    m_painter.begin(&m_writer);
    m_painter.setPen(QPen(Qt::black, 0, Qt::SolidLine));
    m_painter.setBrush(Qt::black);
}

void QtEngineCanvas::NewPage() {
    m_writer.newPage();
}

void QtEngineCanvas::EndDocument() {
    m_painter.end();
}

void QtEngineCanvas::AbortDocument() noexcept {
    if (m_painter.isActive()) {
        m_painter.end();
    }
}

void QtEngineCanvas::SetStyle(bool bold, bool italic) {
    m_measure.SetStyle(bold, italic);
    m_font = m_measure.PixelFont();
}

int QtEngineCanvas::TextWidth(std::u32string_view text) {
    return m_measure.TextWidth(FromUcs4(text));
}

void QtEngineCanvas::DrawRun(std::u32string_view text, int naturalWidth, int naturalHeight,
                             const PixelRect& target) {
    const QString run = FromUcs4(text);
    const QRect cells(target.left, target.top, target.Width(), target.Height());
    m_painter.save();
    m_painter.setClipRect(cells);
    m_painter.fillRect(cells, Qt::white);
    const double drawnWidth = QFontMetricsF(m_font).horizontalAdvance(run);
    const double squeeze = drawnWidth > 0 ? m_measure.TextWidth(run) / drawnWidth : 1.0;
    const GlyphMatrix glyphs = RunTransform(target, naturalWidth, naturalHeight, squeeze,
                                            m_measure.Ascent(), m_measure.Descent());
    m_painter.setTransform(
        QTransform(glyphs.m11, glyphs.m12, glyphs.m21, glyphs.m22, glyphs.dx, glyphs.dy));
    m_painter.setFont(m_font);
    m_painter.drawText(QPointF(0, 0), run);
    m_painter.restore();
}

} // namespace zel::bench
