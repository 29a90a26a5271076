#pragma once
// A Qt face as the PDF writer takes it: its tables and glyphs straight from the raw font
// Qt draws with, so that the PDF carries the very outlines the screen measured.

#include "pdf/FontFace.h"

#include <QRawFont>
#include <string>

namespace zel {

class QtFontFace final : public FontFace {
public:
    explicit QtFontFace(const QRawFont& raw);

    [[nodiscard]] std::string_view Name() const override { return m_name; }
    [[nodiscard]] std::string Table(std::string_view tag) const override;
    [[nodiscard]] std::uint32_t GlyphIndex(char32_t letter) const override;
    [[nodiscard]] double PixelSize() const { return m_raw.pixelSize(); }

private:
    QRawFont m_raw;
    std::string m_name;
};

} // namespace zel
