#include "pdf/FontSubset.h"

#include "FileFontFace.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace zel::test {
namespace {

std::optional<FontSubset> SubsetOf(const FontFace& face) {
    return FontSubset::Make([&face](std::string_view tag) { return face.Table(tag); });
}

std::int16_t I16(const std::string& data, std::size_t at) {
    return static_cast<std::int16_t>((static_cast<std::uint8_t>(data.at(at)) << 8) |
                                     static_cast<std::uint8_t>(data.at(at + 1)));
}

// A face of two glyphs whose second is a composite made of itself and of a glyph the face
// does not have.
std::map<std::string, std::string, std::less<>> SelfNamingFace() {
    std::string head(54, '\0');
    head[18] = 0x03; // 1000 units to the em
    head[19] = static_cast<char>(0xE8);
    std::string hhea(36, '\0');
    hhea[35] = 1;
    std::string maxp(6, '\0');
    maxp[5] = 2;
    std::string hmtx(4, '\0');
    hmtx[1] = 100;
    const std::string composite("\xFF\xFF"
                                "\0\0\0\0\0\0\0\0"
                                "\0\x20\0\x01\0\0"
                                "\0\0\0\x09\0\0"
                                "\0\0",
                                24);
    const std::string loca("\0\0\0\0\0\x0C", 6);
    return {{"head", head}, {"hhea", hhea}, {"maxp", maxp},
            {"hmtx", hmtx}, {"loca", loca}, {"glyf", composite}};
}

TEST(FontSubset, GlyphsKeepTheirShapesAndAdvancesUnderTheirNewNumbers) {
    const FileFontFace face(RegularFontFile());
    std::optional<FontSubset> subset = SubsetOf(face);
    ASSERT_TRUE(subset);
    // Accented capitals are made of other glyphs in many faces; box drawing lies far back.
    const std::u32string letters = U"őŰÉgA─█ő";
    std::vector<std::uint32_t> glyphs;
    std::vector<std::uint16_t> numbers;
    for (const char32_t letter : letters) {
        glyphs.push_back(face.GlyphIndex(letter));
        ASSERT_NE(glyphs.back(), 0u) << "the face has every letter";
        numbers.push_back(subset->Use(glyphs.back()));
    }
    EXPECT_EQ(numbers.front(), numbers.back());
    EXPECT_GE(subset->GlyphCount(), 8);
    EXPECT_LT(subset->GlyphCount(), 40);

    const FileFontFace cut("cut", subset->FontFile());
    ASSERT_EQ(cut.GlyphCount(), subset->GlyphCount());
    int composites = 0;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const std::string before = face.Glyph(glyphs[i]);
        const std::string after = cut.Glyph(numbers[i]);
        ASSERT_GE(after.size(), 10u) << i;
        // The number of contours, or a composite's mark, and the bounding box.
        EXPECT_EQ(before.substr(0, 10), after.substr(0, 10)) << i;
        if (const int contours = I16(after, 0); contours >= 0) {
            EXPECT_EQ(I16(after, 10 + 2 * static_cast<std::size_t>(contours)), 0)
                << i << ": hinting is left out";
        } else {
            // A composite's first part is under its new number the part it was.
            const auto part = static_cast<std::uint16_t>(I16(after, 12));
            ASSERT_LT(part, cut.GlyphCount()) << i;
            EXPECT_EQ(cut.Glyph(part).substr(0, 10),
                      face.Glyph(static_cast<std::uint16_t>(I16(before, 12))).substr(0, 10))
                << i;
            ++composites;
        }
        EXPECT_NEAR(subset->Advance(numbers[i]), face.Advance(glyphs[i]) * 1000, 1e-3) << i;
        EXPECT_DOUBLE_EQ(cut.Advance(numbers[i]), face.Advance(glyphs[i])) << i;
    }
    EXPECT_GT(composites, 0) << "the letters test composites too";
    EXPECT_EQ(subset->Use(0xFFFFFF), 0) << "a glyph the face lacks is its missing-glyph box";
    EXPECT_EQ(subset->Use(0xFFFFFFFF), 0);
}

TEST(FontSubset, ItsFileHoldsTogether) {
    const FileFontFace face(RegularFontFile());
    std::optional<FontSubset> subset = SubsetOf(face);
    ASSERT_TRUE(subset);
    for (const char32_t letter : std::u32string_view(U"Árvíztűrő tükörfúrógép")) {
        (void)subset->Use(face.GlyphIndex(letter));
    }
    const std::string file = subset->FontFile();
    ASSERT_EQ(file.size() % 4, 0u);
    // Every word of the file adds up to the magic number the head table is adjusted for.
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < file.size(); at += 4) {
        sum += (std::uint32_t{static_cast<std::uint8_t>(file[at])} << 24) |
               (std::uint32_t{static_cast<std::uint8_t>(file[at + 1])} << 16) |
               (std::uint32_t{static_cast<std::uint8_t>(file[at + 2])} << 8) |
               static_cast<std::uint8_t>(file[at + 3]);
    }
    EXPECT_EQ(sum, 0xB1B0AFBAu);
    const FileFontFace cut("cut", file);
    EXPECT_EQ(I16(cut.Table("head"), 50), 1) << "long offsets";
    EXPECT_EQ(cut.Table("hmtx").size(), 4u * static_cast<std::size_t>(subset->GlyphCount()));
    EXPECT_TRUE(cut.Table("cmap").empty()) << "the PDF maps codes to glyphs itself";
}

TEST(FontSubset, RefusesFacesItCannotCarryAndSurvivesOnesThatLie) {
    const FileFontFace face(RegularFontFile());
    // Outlines in another format than TrueType's.
    EXPECT_FALSE(FontSubset::Make(
        [&face](std::string_view tag) { return tag == "glyf" ? std::string() : face.Table(tag); }));
    EXPECT_FALSE(FontSubset::Make([&face](std::string_view tag) {
        return tag == "loca" ? face.Table(tag).substr(0, 64) : face.Table(tag);
    }));
    EXPECT_FALSE(FontSubset::Make([](std::string_view) { return std::string(); }));

    const auto tables = SelfNamingFace();
    std::optional<FontSubset> subset = FontSubset::Make([&tables](std::string_view tag) {
        const auto table = tables.find(tag);
        return table == tables.end() ? std::string() : table->second;
    });
    ASSERT_TRUE(subset);
    EXPECT_EQ(subset->Use(1), 1);
    EXPECT_EQ(subset->GlyphCount(), 2);
    EXPECT_FALSE(subset->FontFile().empty());
}

} // namespace
} // namespace zel::test
