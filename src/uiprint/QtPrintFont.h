#pragma once
// The measuring window's font as a print job measures and draws it: the screen's widths, and
// the raw face of the same font sized in pixels, which the PDF carries.

#include "pdf/PrintFont.h"
#include "uiprint/QtFontFace.h"

#include <QFont>

namespace zel {

class MeasureWindow;

class QtPrintFont final : public PrintFont {
public:
    explicit QtPrintFont(MeasureWindow& measure);

    void SetStyle(bool bold, bool italic) override;
    [[nodiscard]] int TextWidth(std::u32string_view text) const override;
    [[nodiscard]] int Ascent() const override;
    [[nodiscard]] int Descent() const override;
    [[nodiscard]] const FontFace& Face() const override { return m_face; }
    [[nodiscard]] double PixelSize() const override { return m_face.PixelSize(); }
    [[nodiscard]] double DrawnWidth(std::u32string_view text) const override;

private:
    MeasureWindow& m_measure;
    QFont m_font;
    QtFontFace m_face;
};

} // namespace zel
