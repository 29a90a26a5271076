#include "FileFontFace.h"

#include "TestFonts.h"
#include "support/TempDir.h"

#include <algorithm>

namespace zel::test {
namespace {

std::uint32_t U16(std::string_view data, std::size_t at) {
    if (at + 2 > data.size()) {
        return 0;
    }
    return (std::uint32_t{static_cast<std::uint8_t>(data[at])} << 8) |
           static_cast<std::uint8_t>(data[at + 1]);
}

std::uint32_t U32(std::string_view data, std::size_t at) {
    return (U16(data, at) << 16) | U16(data, at + 2);
}

// The glyph of letter in a format 4 subtable, which maps the letters of the first plane.
std::uint32_t FromSegments(std::string_view map, char32_t letter) {
    const std::size_t segments = U16(map, 6) / 2;
    const std::size_t ends = 14;
    const std::size_t starts = ends + 2 * segments + 2;
    const std::size_t deltas = starts + 2 * segments;
    const std::size_t ranges = deltas + 2 * segments;
    for (std::size_t i = 0; i < segments; ++i) {
        if (U16(map, ends + 2 * i) < letter) {
            continue;
        }
        const std::uint32_t start = U16(map, starts + 2 * i);
        if (start > letter) {
            return 0;
        }
        const std::uint32_t delta = U16(map, deltas + 2 * i);
        const std::uint32_t range = U16(map, ranges + 2 * i);
        if (range == 0) {
            return (letter + delta) & 0xFFFF;
        }
        const std::uint32_t glyph = U16(map, ranges + 2 * i + range + 2 * (letter - start));
        return glyph == 0 ? 0 : (glyph + delta) & 0xFFFF;
    }
    return 0;
}

} // namespace

FileFontFace::FileFontFace(std::string name, std::string bytes)
    : m_name(std::move(name)), m_bytes(std::move(bytes)) {}

FileFontFace::FileFontFace(const std::filesystem::path& file)
    : FileFontFace(file.stem().string(), ReadNativeFile(file)) {}

std::string FileFontFace::Table(std::string_view tag) const {
    const std::size_t count = U16(m_bytes, 4);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = 12 + 16 * i;
        if (std::string_view(m_bytes).substr(entry, 4) == tag) {
            const std::size_t offset = U32(m_bytes, entry + 8);
            return offset > m_bytes.size() ? std::string()
                                           : m_bytes.substr(offset, U32(m_bytes, entry + 12));
        }
    }
    return {};
}

std::uint32_t FileFontFace::GlyphIndex(char32_t letter) const {
    const std::string cmap = Table("cmap");
    for (std::size_t i = 0; i < U16(cmap, 2); ++i) {
        const std::size_t record = 4 + 8 * i;
        const std::string_view map = std::string_view(cmap).substr(
            std::min<std::size_t>(U32(cmap, record + 4), cmap.size()));
        if (U16(cmap, record) == 3 && U16(cmap, record + 2) == 1 && U16(map, 0) == 4) {
            return letter > 0xFFFF ? 0 : FromSegments(map, letter);
        }
    }
    return 0;
}

int FileFontFace::GlyphCount() const {
    return static_cast<int>(U16(Table("maxp"), 4));
}

std::string FileFontFace::Glyph(std::uint32_t glyph) const {
    const std::string loca = Table("loca");
    const bool longOffsets = U16(Table("head"), 50) == 1;
    const std::size_t begin = longOffsets ? U32(loca, 4 * glyph) : 2 * U16(loca, 2 * glyph);
    const std::size_t end =
        longOffsets ? U32(loca, 4 * (glyph + 1)) : 2 * U16(loca, 2 * (glyph + 1));
    const std::string glyf = Table("glyf");
    return begin <= end && end <= glyf.size() ? glyf.substr(begin, end - begin) : std::string();
}

double FileFontFace::Advance(std::uint32_t glyph) const {
    const std::uint32_t metrics = U16(Table("hhea"), 34);
    const std::uint32_t metric = glyph < metrics ? glyph : metrics - 1;
    return static_cast<double>(U16(Table("hmtx"), 4 * metric)) / U16(Table("head"), 18);
}

std::filesystem::path RegularFontFile() {
    return kRegularFontFile;
}

std::filesystem::path BoldFontFile() {
    return kBoldFontFile;
}

} // namespace zel::test
