#include "ui/FontSubset.h"

#include "ui/MeasureWindow.h"

#include <QPainterPath>
#include <QRawFont>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace zel::test {
namespace {

std::optional<FontSubset> SubsetOf(const QRawFont& face) {
    return FontSubset::Make([&face](const char* tag) { return face.fontTable(tag); });
}

// A face of two glyphs whose second is a composite made of itself and of a glyph the face
// does not have.
std::map<std::string, QByteArray> SelfNamingFace() {
    QByteArray head(54, '\0');
    head[18] = 0x03; // 1000 units to the em
    head[19] = static_cast<char>(0xE8);
    QByteArray hhea(36, '\0');
    hhea[35] = 1;
    QByteArray maxp(6, '\0');
    maxp[5] = 2;
    QByteArray hmtx(4, '\0');
    hmtx[1] = 100;
    const QByteArray composite("\xFF\xFF"
                               "\0\0\0\0\0\0\0\0"
                               "\0\x20\0\x01\0\0"
                               "\0\0\0\x09\0\0"
                               "\0\0",
                               24);
    const QByteArray loca("\0\0\0\0\0\x0C", 6);
    return {{"head", head}, {"hhea", hhea}, {"maxp", maxp},
            {"hmtx", hmtx}, {"loca", loca}, {"glyf", composite}};
}

TEST(FontSubset, GlyphsKeepTheirOutlinesAndAdvancesUnderTheirNewNumbers) {
    MeasureWindow measure;
    const QRawFont face = QRawFont::fromFont(measure.PixelFont());
    std::optional<FontSubset> subset = SubsetOf(face);
    ASSERT_TRUE(subset);
    // Accented capitals are made of other glyphs in many faces; box drawing lies far back.
    const QString letters = QString::fromUtf8("őŰÉgA─█ő");
    const QList<quint32> glyphs = face.glyphIndexesForString(letters);
    std::vector<std::uint16_t> numbers;
    for (const quint32 glyph : glyphs) {
        numbers.push_back(subset->Use(glyph));
    }
    EXPECT_EQ(numbers.front(), numbers.back());
    EXPECT_GE(subset->GlyphCount(), 8);
    EXPECT_LT(subset->GlyphCount(), 40);

    const QRawFont cut(subset->FontFile(), face.pixelSize());
    ASSERT_TRUE(cut.isValid());
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        EXPECT_EQ(cut.pathForGlyph(numbers[i]), face.pathForGlyph(glyphs[i])) << i;
        const double advance =
            face.advancesForGlyphIndexes({glyphs[i]}, QRawFont::UseDesignMetrics).front().x();
        EXPECT_NEAR(subset->Advance(numbers[i]), advance * 1000 / face.pixelSize(), 1e-3) << i;
    }
    EXPECT_EQ(subset->Use(0xFFFFFF), 0) << "a glyph the face lacks is its missing-glyph box";
}

TEST(FontSubset, RefusesFacesItCannotCarryAndSurvivesOnesThatLie) {
    MeasureWindow measure;
    const QRawFont face = QRawFont::fromFont(measure.PixelFont());
    // Outlines in another format than TrueType's.
    EXPECT_FALSE(FontSubset::Make([&face](const char* tag) {
        return std::string(tag) == "glyf" ? QByteArray() : face.fontTable(tag);
    }));
    EXPECT_FALSE(FontSubset::Make([&face](const char* tag) {
        return std::string(tag) == "loca" ? face.fontTable(tag).left(64) : face.fontTable(tag);
    }));

    const std::map<std::string, QByteArray> tables = SelfNamingFace();
    std::optional<FontSubset> subset = FontSubset::Make([&tables](const char* tag) {
        const auto table = tables.find(tag);
        return table == tables.end() ? QByteArray() : table->second;
    });
    ASSERT_TRUE(subset);
    EXPECT_EQ(subset->Use(1), 1);
    EXPECT_EQ(subset->GlyphCount(), 2);
    EXPECT_FALSE(subset->FontFile().isEmpty());
}

} // namespace
} // namespace zel::test
