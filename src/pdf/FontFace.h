#pragma once
// A face as a PDF document needs it: a name, its TrueType tables and its glyph for a letter.
// The document embeds what it is given here and never learns which toolkit or file the face
// came from; each face gives it its own implementation.

#include <cstdint>
#include <string>
#include <string_view>

namespace zel {

class FontFace {
public:
    virtual ~FontFace() = default;
    // Faces of one name are one face to a document: family and style, e.g. "Sans-Bold".
    [[nodiscard]] virtual std::string_view Name() const = 0;
    // A table by its four-letter tag, empty when the face has none.
    [[nodiscard]] virtual std::string Table(std::string_view tag) const = 0;
    // 0, the missing-glyph box, when the face has no glyph for letter.
    [[nodiscard]] virtual std::uint32_t GlyphIndex(char32_t letter) const = 0;
};

} // namespace zel
