#include "uiprint/QtFontFace.h"

#include "pdf/FontSubset.h"
#include "uiprint/MeasureWindow.h"

#include <QPainterPath>
#include <QRawFont>
#include <gtest/gtest.h>

namespace zel::test {
namespace {

TEST(QtFontFace, ASubsetOfTheDrawingFaceKeepsQtsOutlinesAndAdvances) {
    MeasureWindow measure;
    const QRawFont face = QRawFont::fromFont(measure.PixelFont());
    const QtFontFace adapter(face);
    EXPECT_EQ(adapter.Name(), (face.familyName() + u'-' + face.styleName()).toStdString());
    std::optional<FontSubset> subset =
        FontSubset::Make([&adapter](std::string_view tag) { return adapter.Table(tag); });
    ASSERT_TRUE(subset);
    // Accented capitals are made of other glyphs in many faces; box drawing lies far back.
    const QString letters = QString::fromUtf8("őŰÉgA─█ő");
    std::vector<std::uint32_t> glyphs;
    std::vector<std::uint16_t> numbers;
    for (const char32_t letter : letters.toUcs4()) {
        glyphs.push_back(adapter.GlyphIndex(letter));
        numbers.push_back(subset->Use(glyphs.back()));
    }
    EXPECT_EQ(numbers.front(), numbers.back());
    EXPECT_EQ(adapter.GlyphIndex(U'\uFFFF'), 0u) << "a letter the face lacks";

    const std::string file = subset->FontFile();
    const QRawFont cut(QByteArray(file.data(), static_cast<qsizetype>(file.size())),
                       face.pixelSize());
    ASSERT_TRUE(cut.isValid());
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        EXPECT_EQ(cut.pathForGlyph(numbers[i]), face.pathForGlyph(glyphs[i])) << i;
        const double advance =
            face.advancesForGlyphIndexes({glyphs[i]}, QRawFont::UseDesignMetrics).front().x();
        EXPECT_NEAR(subset->Advance(numbers[i]), advance * 1000 / face.pixelSize(), 1e-3) << i;
    }
}

} // namespace
} // namespace zel::test
