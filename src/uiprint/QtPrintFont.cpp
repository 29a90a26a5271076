#include "uiprint/QtPrintFont.h"

#include "uiprint/MeasureWindow.h"

#include <QFontMetricsF>

namespace zel {
namespace {

QString FromUcs4(std::u32string_view text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QtPrintFont::QtPrintFont(MeasureWindow& measure)
    : m_measure(measure), m_font(measure.PixelFont()), m_face(QRawFont::fromFont(m_font)) {}

void QtPrintFont::SetStyle(bool bold, bool italic) {
    m_measure.SetStyle(bold, italic);
    m_font = m_measure.PixelFont();
    m_face = QtFontFace(QRawFont::fromFont(m_font));
}

int QtPrintFont::TextWidth(std::u32string_view text) const {
    return m_measure.TextWidth(FromUcs4(text));
}

int QtPrintFont::Ascent() const {
    return m_measure.Ascent();
}

int QtPrintFont::Descent() const {
    return m_measure.Descent();
}

double QtPrintFont::DrawnWidth(std::u32string_view text) const {
    return QFontMetricsF(m_font).horizontalAdvance(FromUcs4(text));
}

} // namespace zel
