#include "uiprint/QtFontFace.h"

namespace zel {

QtFontFace::QtFontFace(const QRawFont& raw)
    : m_raw(raw),
      m_name((raw.familyName() + QLatin1Char('-') + raw.styleName()).toUtf8().toStdString()) {}

std::string QtFontFace::Table(std::string_view tag) const {
    return m_raw.fontTable(std::string(tag).c_str()).toStdString();
}

std::uint32_t QtFontFace::GlyphIndex(char32_t letter) const {
    const QList<quint32> indexes = m_raw.glyphIndexesForString(QString::fromUcs4(&letter, 1));
    return indexes.isEmpty() ? 0 : indexes.front();
}

} // namespace zel
