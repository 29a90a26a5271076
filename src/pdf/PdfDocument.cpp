#include "pdf/PdfDocument.h"

#include "pdf/FontFace.h"
#include "pdf/FontSubset.h"
#include "pdf/RunPlacement.h"
#include "platform/IoError.h"
#include "platform/posix/ReplacementFile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <unordered_map>
#include <zlib.h>

namespace zel {
namespace {

constexpr int kCatalogObject = 1;
constexpr int kPagesObject = 2;
constexpr int kInfoObject = 3;
// Codes a ToUnicode map may list in one section.
constexpr std::size_t kCMapSection = 100;
// Written bytes are handed to the file in blocks of about this size.
constexpr std::size_t kWriteBlock = std::size_t{64} * 1024;
// As a new file is made by any other program: the umask decides.
constexpr mode_t kNewFileMode = 0666;

void AppendNumber(std::string& out, double value, int decimals) {
    char digits[64];
    auto [end, error] =
        std::to_chars(digits, digits + sizeof(digits), value, std::chars_format::fixed, decimals);
    if (error != std::errc()) {
        out.push_back('0');
        return;
    }
    if (decimals > 0) {
        while (end[-1] == '0') {
            --end;
        }
        if (end[-1] == '.') {
            --end;
        }
    }
    const std::string_view text(digits, static_cast<std::size_t>(end - digits));
    out.append(text == "-0" ? "0" : text);
}

void AppendInt(std::string& out, std::int64_t value) {
    char digits[24];
    const auto [end, error] = std::to_chars(digits, digits + sizeof(digits), value);
    out.append(digits, end);
}

void AppendHex16(std::string& out, std::uint32_t value) {
    char hex[8];
    std::snprintf(hex, sizeof(hex), "%04X", static_cast<unsigned>(value & 0xFFFF));
    out.append(hex, 4);
}

// A letter that is no Unicode character stands as the replacement character.
void AppendUtf16Hex(std::string& out, char32_t letter) {
    if (letter > 0x10FFFF || (letter >= 0xD800 && letter <= 0xDFFF)) {
        letter = 0xFFFD;
    }
    if (letter < 0x10000) {
        AppendHex16(out, letter);
        return;
    }
    AppendHex16(out, 0xD800 + ((letter - 0x10000) >> 10));
    AppendHex16(out, 0xDC00 + ((letter - 0x10000) & 0x3FF));
}

// A PDF name may hold only regular characters.
std::string NameOf(std::string_view face) {
    std::string name;
    for (const char c : face) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '-') {
            name.push_back(c);
        }
    }
    return name;
}

std::string Deflated(const std::string& data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string deflated(size, '\0');
    // Level 9: every page is deflated once and read many times.
    if (compress2(reinterpret_cast<Bytef*>(deflated.data()), &size,
                  reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()),
                  9) != Z_OK) {
        throw std::bad_alloc();
    }
    deflated.resize(size);
    return deflated;
}

std::string ToUnicodeMap(const std::vector<char32_t>& letters) {
    std::string map = "/CIDInit/ProcSet findresource begin 12 dict begin begincmap\n"
                      "/CIDSystemInfo<</Registry(Adobe)/Ordering(UCS)/Supplement 0>>def\n"
                      "/CMapName/Adobe-Identity-UCS def/CMapType 2 def\n"
                      "1 begincodespacerange <0000><FFFF> endcodespacerange\n";
    for (std::size_t first = 0; first < letters.size(); first += kCMapSection) {
        const std::size_t last = std::min(letters.size(), first + kCMapSection);
        AppendInt(map, static_cast<std::int64_t>(last - first));
        map.append(" beginbfchar\n");
        for (std::size_t code = first; code < last; ++code) {
            map.push_back('<');
            AppendHex16(map, static_cast<std::uint32_t>(code));
            map.append("><");
            AppendUtf16Hex(map, letters[code]);
            map.append(">\n");
        }
        map.append("endbfchar\n");
    }
    map.append("endcmap CMapName currentdict/CMap defineresource pop end end\n");
    return map;
}

} // namespace

// One face of the document: letters get codes in the order they are first drawn.
struct PdfDocument::Font {
    std::string name;
    FontSubset subset;
    std::unordered_map<char32_t, std::uint16_t> codes;
    std::vector<char32_t> letters;
    std::vector<std::uint16_t> glyphs;

    std::uint16_t Code(const FontFace& face, char32_t letter) {
        if (const auto found = codes.find(letter); found != codes.end()) {
            return found->second;
        }
        // Codes have two bytes but a text may have more letters: the last code is shared.
        if (letters.size() > 0xFFFF) {
            return 0xFFFF;
        }
        const auto code = static_cast<std::uint16_t>(letters.size());
        letters.push_back(letter);
        glyphs.push_back(subset.Use(face.GlyphIndex(letter)));
        codes.emplace(letter, code);
        return code;
    }
};

PdfDocument::PdfDocument(const std::filesystem::path& fileName, const SheetLayout& sheet,
                         std::u32string_view title)
    : m_pageWidth(sheet.widthPoints), m_pageHeight(sheet.heightPoints), m_title(title),
      m_objectOffsets(kInfoObject + 1, 0) {
    const double scale = 72.0 / sheet.resolution;
    // Device pixels run down the page from the printable area's corner; points run up.
    AppendNumber(m_pageMatrix, scale, 6);
    m_pageMatrix.append(" 0 0 ");
    AppendNumber(m_pageMatrix, -scale, 6);
    m_pageMatrix.push_back(' ');
    AppendNumber(m_pageMatrix, sheet.printableLeft * scale, 4);
    m_pageMatrix.push_back(' ');
    AppendNumber(m_pageMatrix, m_pageHeight - sheet.printableTop * scale, 4);
    m_pageMatrix.append(" cm\n");
    m_page = m_pageMatrix;
    try {
        m_file = posix::BeginReplacement(fileName, kNewFileMode);
    } catch (const IoError&) {
        return;
    }
    // The second line's high bytes tell a transfer program that the file is binary.
    Write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
}

PdfDocument::~PdfDocument() = default;

bool PdfDocument::IsOpen() const {
    return m_file != nullptr;
}

void PdfDocument::Write(std::string_view bytes) {
    m_pending.append(bytes);
    m_written += bytes.size();
}

bool PdfDocument::Flush() {
    if (!m_file) {
        return false;
    }
    try {
        m_file->Write(m_pending);
    } catch (const IoError&) {
        m_file.reset();
        return false;
    }
    m_pending.clear();
    return true;
}

int PdfDocument::FontFor(const FontFace& face) {
    const std::string_view name = face.Name();
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        if (m_fonts[i]->name == name) {
            return static_cast<int>(i);
        }
    }
    std::optional<FontSubset> subset =
        FontSubset::Make([&face](std::string_view tag) { return face.Table(tag); });
    if (!subset) {
        return -1;
    }
    m_fonts.push_back(
        std::make_unique<Font>(Font{std::string(name), std::move(*subset), {}, {}, {}}));
    return static_cast<int>(m_fonts.size() - 1);
}

bool PdfDocument::DrawRun(const RunPlacement& run, const FontFace& face, double pixelSize,
                          std::u32string_view text) {
    const int index = FontFor(face);
    if (index < 0) {
        return false;
    }
    Font& font = *m_fonts[static_cast<std::size_t>(index)];
    const CellBox& cells = run.cells;
    const GlyphMatrix& glyphs = run.glyphs;
    std::string& out = m_page;
    // Placed from the corner of its cells, a run reads as the run of the line before it but
    // for one number, which is what lets a page compress well.
    out.append("q 1 0 0 1 ");
    AppendInt(out, cells.left);
    out.push_back(' ');
    AppendInt(out, cells.top);
    // The white ground covers whatever lies below, as the old bitmap did, and clips the text.
    out.append(" cm 1 g 0 0 ");
    AppendInt(out, cells.width);
    out.push_back(' ');
    AppendInt(out, cells.height);
    out.append(" re W f 0 g BT/F");
    AppendInt(out, index);
    out.push_back(' ');
    AppendNumber(out, pixelSize, 4);
    out.append(" Tf ");
    // Text space runs up, the run's own space down.
    AppendNumber(out, glyphs.m11, 6);
    out.push_back(' ');
    AppendNumber(out, glyphs.m12, 6);
    out.push_back(' ');
    AppendNumber(out, -glyphs.m21, 6);
    out.push_back(' ');
    AppendNumber(out, -glyphs.m22, 6);
    out.push_back(' ');
    AppendNumber(out, glyphs.dx - cells.left, 2);
    out.push_back(' ');
    AppendNumber(out, glyphs.dy - cells.top, 2);
    out.append(" Tm(");
    for (const char32_t letter : text) {
        const std::uint16_t code = font.Code(face, letter);
        for (const auto byte : {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)}) {
            if (byte == '(' || byte == ')' || byte == '\\') {
                out.push_back('\\');
            }
            // A bare carriage return in a string would be read as a line feed.
            if (byte == '\r') {
                out.append("\\r");
            } else {
                out.push_back(byte);
            }
        }
    }
    out.append(")Tj ET Q\n");
    return true;
}

int PdfDocument::NewObject() {
    m_objectOffsets.push_back(0);
    return static_cast<int>(m_objectOffsets.size() - 1);
}

void PdfDocument::BeginObject(int object) {
    m_objectOffsets[static_cast<std::size_t>(object)] = m_written;
    std::string start;
    AppendInt(start, object);
    start.append(" 0 obj\n");
    Write(start);
}

void PdfDocument::WriteStream(int object, const std::string& data, std::string_view entries) {
    const std::string deflated = Deflated(data);
    BeginObject(object);
    std::string dictionary = "<</Length ";
    AppendInt(dictionary, static_cast<std::int64_t>(deflated.size()));
    dictionary.append("/Filter/FlateDecode");
    dictionary.append(entries);
    dictionary.append(">>stream\n");
    Write(dictionary);
    Write(deflated);
    Write("\nendstream\nendobj\n");
}

void PdfDocument::WritePage() {
    const int contents = NewObject();
    WriteStream(contents, m_page);
    const int page = NewObject();
    BeginObject(page);
    std::string dictionary = "<</Type/Page/Parent 2 0 R/Contents ";
    AppendInt(dictionary, contents);
    dictionary.append(" 0 R>>\nendobj\n");
    Write(dictionary);
    m_pages.push_back(page);
    m_page = m_pageMatrix;
}

bool PdfDocument::NewPage() {
    if (!m_file) {
        return false;
    }
    WritePage();
    return m_pending.size() < kWriteBlock || Flush();
}

void PdfDocument::WriteFont(const Font& font, int object) {
    const std::string name =
        "ZELKA" + std::string(1, static_cast<char>('A' + (object % 26))) + '+' + NameOf(font.name);
    const std::string fontFile = font.subset.FontFile();
    const int file = NewObject();
    std::string length = "/Length1 ";
    AppendInt(length, static_cast<std::int64_t>(fontFile.size()));
    WriteStream(file, fontFile, length);

    std::string map;
    std::string widths = "[";
    for (std::size_t code = 0; code < font.glyphs.size(); ++code) {
        map.push_back(static_cast<char>(font.glyphs[code] >> 8));
        map.push_back(static_cast<char>(font.glyphs[code] & 0xFF));
        if (code == 0 ||
            font.subset.Advance(font.glyphs[code]) != font.subset.Advance(font.glyphs[code - 1])) {
            // A stretch of equal widths is one entry.
            std::size_t last = code;
            while (last + 1 < font.glyphs.size() && font.subset.Advance(font.glyphs[last + 1]) ==
                                                        font.subset.Advance(font.glyphs[code])) {
                ++last;
            }
            AppendInt(widths, static_cast<std::int64_t>(code));
            widths.push_back(' ');
            AppendInt(widths, static_cast<std::int64_t>(last));
            widths.push_back(' ');
            AppendNumber(widths, font.subset.Advance(font.glyphs[code]), 3);
            widths.push_back(' ');
        }
    }
    widths.push_back(']');
    const int glyphMap = NewObject();
    WriteStream(glyphMap, map);
    const int toUnicode = NewObject();
    WriteStream(toUnicode, ToUnicodeMap(font.letters));

    const int descriptor = NewObject();
    BeginObject(descriptor);
    const FontSubset::Box box = font.subset.Bounds();
    std::string text = "<</Type/FontDescriptor/FontName/" + name + "/Flags 4/FontBBox[";
    for (const double edge : {box.xMin, box.yMin, box.xMax, box.yMax}) {
        AppendNumber(text, edge, 0);
        text.push_back(' ');
    }
    text.append("]/ItalicAngle 0/Ascent ");
    AppendNumber(text, font.subset.Ascent(), 0);
    text.append("/Descent ");
    AppendNumber(text, font.subset.Descent(), 0);
    text.append("/CapHeight ");
    AppendNumber(text, font.subset.Ascent(), 0);
    text.append("/StemV 80/FontFile2 ");
    AppendInt(text, file);
    text.append(" 0 R>>\nendobj\n");
    Write(text);

    const int cidFont = NewObject();
    BeginObject(cidFont);
    text = "<</Type/Font/Subtype/CIDFontType2/BaseFont/" + name +
           "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>/FontDescriptor ";
    AppendInt(text, descriptor);
    text.append(" 0 R/W" + widths + "/CIDToGIDMap ");
    AppendInt(text, glyphMap);
    text.append(" 0 R>>\nendobj\n");
    Write(text);

    BeginObject(object);
    text = "<</Type/Font/Subtype/Type0/BaseFont/" + name + "/Encoding/Identity-H/DescendantFonts[";
    AppendInt(text, cidFont);
    text.append(" 0 R]/ToUnicode ");
    AppendInt(text, toUnicode);
    text.append(" 0 R>>\nendobj\n");
    Write(text);
}

bool PdfDocument::Finish() {
    if (!m_file) {
        return false;
    }
    WritePage();
    std::string resources = "/Resources<</Font<<";
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        const int object = NewObject();
        WriteFont(*m_fonts[i], object);
        resources.append("/F");
        AppendInt(resources, static_cast<std::int64_t>(i));
        resources.push_back(' ');
        AppendInt(resources, object);
        resources.append(" 0 R");
    }
    resources.append(">>>>");

    BeginObject(kPagesObject);
    std::string pages = "<</Type/Pages/Count ";
    AppendInt(pages, static_cast<std::int64_t>(m_pages.size()));
    pages.append("/MediaBox[0 0 ");
    AppendNumber(pages, m_pageWidth, 4);
    pages.push_back(' ');
    AppendNumber(pages, m_pageHeight, 4);
    pages.append(']' + resources + "/Kids[");
    for (const int page : m_pages) {
        AppendInt(pages, page);
        pages.append(" 0 R ");
    }
    pages.append("]>>\nendobj\n");
    Write(pages);

    BeginObject(kCatalogObject);
    Write("<</Type/Catalog/Pages 2 0 R>>\nendobj\n");

    BeginObject(kInfoObject);
    std::string info = "<</Title<FEFF";
    for (const char32_t letter : m_title) {
        AppendUtf16Hex(info, letter);
    }
    info.append(">>>\nendobj\n");
    Write(info);

    const std::uint64_t xref = m_written;
    std::string table = "xref\n0 ";
    AppendInt(table, static_cast<std::int64_t>(m_objectOffsets.size()));
    table.append("\n0000000000 65535 f \n");
    for (std::size_t object = 1; object < m_objectOffsets.size(); ++object) {
        char entry[24];
        std::snprintf(entry, sizeof(entry), "%010llu 00000 n \n",
                      static_cast<unsigned long long>(m_objectOffsets[object]));
        table.append(entry, 20);
    }
    table.append("trailer\n<</Size ");
    AppendInt(table, static_cast<std::int64_t>(m_objectOffsets.size()));
    table.append("/Root 1 0 R/Info 3 0 R>>\nstartxref\n");
    AppendInt(table, static_cast<std::int64_t>(xref));
    table.append("\n%%EOF\n");
    Write(table);
    if (!Flush()) {
        return false;
    }
    try {
        m_file->Close();
    } catch (const IoError&) {
        m_file.reset();
        return false;
    }
    m_file.reset();
    return true;
}

} // namespace zel
