#include "text/AsciiUpper.h"
#include "text/CodePage1250.h"
#include "text/CodePage852.h"
#include "text/DosWildcard.h"
#include "text/FixedText.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace zel {
namespace {

// The system's own converter is the independent reference for the code-page tables.
#ifdef _WIN32
// Windows' own tables (Wine's under Wine), through the wide characters.
std::string IconvToUtf8(std::string_view from, unsigned char byte) {
    const UINT codePage = from == "CP1250" ? 1250 : from == "IBM852" ? 852 : 0;
    const char in[1] = {static_cast<char>(byte)};
    wchar_t wide[4] = {};
    const int count = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in, 1, wide, 4);
    if (codePage == 0 || count <= 0) {
        return "<undefined>";
    }
    char out[8] = {};
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide, count, out, sizeof out, nullptr, nullptr);
    return std::string(out, static_cast<std::size_t>(length > 0 ? length : 0));
}
#else
std::string IconvToUtf8(const char* from, unsigned char byte) {
    iconv_t cd = iconv_open("UTF-8", from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return "<no converter>";
    }
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof(out);
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1)) {
        return "<undefined>";
    }
    return std::string(out, sizeof(out) - outLeft);
}
#endif

std::string Utf8Of(char32_t cp) {
    std::string out;
    AppendUtf8(out, cp);
    return out;
}

TEST(CodePage1250, EveryDefinedByteMatchesTheSystemConverter) {
    for (int b = 0; b < 256; ++b) {
        const std::string expected = IconvToUtf8("CP1250", static_cast<unsigned char>(b));
        if (expected == "<undefined>") {
            EXPECT_EQ(Cp1250ToUnicode(static_cast<unsigned char>(b)), static_cast<char32_t>(b))
                << "byte " << b;
            continue;
        }
        EXPECT_EQ(Utf8Of(Cp1250ToUnicode(static_cast<unsigned char>(b))), expected) << "byte " << b;
    }
}

TEST(CodePage1250, EveryByteSurvivesTheWayThereAndBack) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(all)), all);
}

TEST(CodePage1250, HungarianLettersAndMissingCharacters) {
    EXPECT_EQ(Utf8ToCp1250("Indítópult őű ŐŰ"), "Ind\xED"
                                                "t\xF3pult \xF5\xFB \xD5\xDB");
    EXPECT_EQ(Utf8ToCp1250("日本"), "??");
    EXPECT_EQ(Utf8ToCp1250("a\xFF"
                           "b"),
              "a?b");
}

TEST(PrintCodePage, HighHalfMatchesTheSystemConverterAndControlsPrintAsGlyphs) {
    for (int b = 0x80; b < 256; ++b) {
        EXPECT_EQ(Utf8Of(PrintByteToUnicode(static_cast<unsigned char>(b))),
                  IconvToUtf8("IBM852", static_cast<unsigned char>(b)))
            << "byte " << b;
    }
    EXPECT_EQ(PrintByteToUnicode(0x94), U'ö');
    EXPECT_EQ(PrintByteToUnicode(0x8B), U'ő');
    EXPECT_EQ(PrintByteToUnicode(0xFB), U'ű');
    EXPECT_EQ(PrintByteToUnicode(0x01), U'☺');
    EXPECT_EQ(PrintByteToUnicode(0x00), U'.');
    EXPECT_EQ(PrintByteToUnicode(0x09), U'.');
    EXPECT_EQ(PrintByteToUnicode(0x1F), U'▼');
    EXPECT_EQ(PrintByteToUnicode(0x20), U'\u00A0');
    EXPECT_EQ(PrintByteToUnicode(0x7F), U'⌂');
    EXPECT_EQ(PrintByteToUnicode('A'), U'A');
}

TEST(PrintCodePage, ListNameTableDiffersFromTheBodyTable) {
    EXPECT_EQ(ListNameToCp1250("\x93\xA0 \x81\x8D\x8F\x90\x94\x95\x96\x97\x98\x99\x9A\xA1\xA2\xA3"
                               "\xA7\x82"),
              "\xF5\xE1 \xFC\xCD\xC1\xC9\xF6\xD3\xFB\xDA\xDB\xD6\xDC\xED\xF3\xFA\xD5\xE9");
    // 0x8B is "ő" in the body but not in the list-name table: it stays.
    EXPECT_EQ(ListNameToCp1250("\x8B"
                               "A"),
              "\x8B"
              "A");
}

TEST(Texts, UpperCasingTouchesOnlyAToZ) {
    EXPECT_EQ(AsciiUpper("/r ab"), "/R AB");
    EXPECT_EQ(AsciiUpper(Utf8ToCp1250("áéz")), Utf8ToCp1250("áéZ"));
}

TEST(Texts, FixedTextKeepsItsFirstCharacters) {
    FixedText<60> params;
    params = std::string(61, 'x') + "y";
    EXPECT_EQ(params.size(), 60u);
    EXPECT_EQ(params.view().back(), 'x');
    FixedText<12> empty;
    empty.SetFront('C');
    EXPECT_TRUE(empty.empty());
}

TEST(Texts, DosWildcards) {
    EXPECT_TRUE(MatchesDosWildcard("WS0001.A17", "ws*.*"));
    EXPECT_TRUE(MatchesDosWildcard("ws0001", "ws*.*"));
    EXPECT_FALSE(MatchesDosWildcard("xws0001.A17", "ws*.*"));
    EXPECT_TRUE(MatchesDosWildcard("BEV.291", "*.*"));
    EXPECT_TRUE(MatchesDosWildcard("A97.EXE", "a?7.exe"));
    EXPECT_FALSE(MatchesDosWildcard("A97.EXE", "a?7.ex"));
}

} // namespace
} // namespace zel
