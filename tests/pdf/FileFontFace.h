#pragma once
// A TrueType face read from a file, or from the bytes of one, for the tests: the tables the
// writer embeds, glyphs by the face's Unicode map, and what a test checks a subset against.

#include "pdf/FontFace.h"

#include <filesystem>
#include <string>

namespace zel::test {

class FileFontFace final : public FontFace {
public:
    FileFontFace(std::string name, std::string bytes);
    // Named after the file; a test fails when the file cannot be read.
    explicit FileFontFace(const std::filesystem::path& file);

    [[nodiscard]] std::string_view Name() const override { return m_name; }
    [[nodiscard]] std::string Table(std::string_view tag) const override;
    [[nodiscard]] std::uint32_t GlyphIndex(char32_t letter) const override;

    [[nodiscard]] int GlyphCount() const;
    // The glyph's outline record as the glyf table holds it.
    [[nodiscard]] std::string Glyph(std::uint32_t glyph) const;
    // In ems.
    [[nodiscard]] double Advance(std::uint32_t glyph) const;

private:
    std::string m_name;
    std::string m_bytes;
};

// The DejaVu Sans Mono faces this machine has.
[[nodiscard]] std::filesystem::path RegularFontFile();
[[nodiscard]] std::filesystem::path BoldFontFile();

} // namespace zel::test
