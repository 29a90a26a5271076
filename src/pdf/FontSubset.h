#pragma once
// A TrueType face cut down to the glyphs a document uses, so that a PDF carries a few
// kilobytes of the face once instead of all of it. Glyphs are numbered anew in the order they
// are first used; a composite glyph brings the glyphs it is made of along.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zel {

class FontSubset final {
public:
    // A table of the face by its four-letter tag, empty when the face has none.
    using TableSource = std::function<std::string(std::string_view tag)>;

    struct Box {
        double xMin = 0;
        double yMin = 0;
        double xMax = 0;
        double yMax = 0;
    };

    // Empty when the face has no TrueType outlines or its tables do not hold together.
    [[nodiscard]] static std::optional<FontSubset> Make(const TableSource& tables);

    // The subset's number of a glyph of the face; an unknown glyph is the missing-glyph box.
    [[nodiscard]] std::uint16_t Use(std::uint32_t glyph);
    [[nodiscard]] int GlyphCount() const { return static_cast<int>(m_used.size()); }
    // In thousandths of the em, as a PDF gives glyph widths.
    [[nodiscard]] double Advance(std::uint16_t subsetGlyph) const;
    [[nodiscard]] Box Bounds() const;
    [[nodiscard]] double Ascent() const;
    [[nodiscard]] double Descent() const;
    // A font file of the glyphs used so far.
    [[nodiscard]] std::string FontFile() const;

private:
    FontSubset() = default;
    [[nodiscard]] std::string GlyphData(std::uint32_t glyph) const;
    [[nodiscard]] std::vector<std::uint16_t> Components(const std::string& glyph) const;
    [[nodiscard]] double PerMille(int units) const;
    std::uint16_t Take(std::uint16_t glyph);

    std::string m_head;
    std::string m_hhea;
    std::string m_maxp;
    std::string m_glyf;
    std::string m_hmtx;
    std::vector<std::uint32_t> m_offsets;
    int m_metricCount = 0;
    int m_unitsPerEm = 0;
    // Face glyph of each subset glyph, and back.
    std::vector<std::uint16_t> m_used;
    std::unordered_map<std::uint16_t, std::uint16_t> m_numbers;
};

} // namespace zel
