#include "ui/PdfDocument.h"

#include "ui/FontSubset.h"

#include <QPageLayout>
#include <QRect>
#include <QTransform>
#include <charconv>
#include <cstdio>
#include <optional>
#include <unordered_map>

namespace zel {
namespace {

constexpr int kCatalogObject = 1;
constexpr int kPagesObject = 2;
constexpr int kInfoObject = 3;
// Codes a ToUnicode map may list in one section.
constexpr std::size_t kCMapSection = 100;

void AppendNumber(QByteArray& out, double value, int decimals) {
    char digits[64];
    auto [end, error] =
        std::to_chars(digits, digits + sizeof(digits), value, std::chars_format::fixed, decimals);
    if (error != std::errc()) {
        out.append('0');
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

void AppendInt(QByteArray& out, qint64 value) {
    out.append(QByteArray::number(value));
}

void AppendHex16(QByteArray& out, std::uint32_t value) {
    char hex[8];
    std::snprintf(hex, sizeof(hex), "%04X", static_cast<unsigned>(value & 0xFFFF));
    out.append(hex, 4);
}

void AppendUtf16Hex(QByteArray& out, char32_t letter) {
    const QString text = QString::fromUcs4(&letter, 1);
    for (const QChar unit : text) {
        AppendHex16(out, unit.unicode());
    }
}

// A PDF name may hold only regular characters.
QByteArray NameOf(const QRawFont& font) {
    QByteArray name;
    for (const QChar c : font.familyName() + QLatin1Char('-') + font.styleName()) {
        if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') ||
            c == u'-') {
            name.append(static_cast<char>(c.unicode()));
        }
    }
    return name;
}

QByteArray Deflated(const QByteArray& data) {
    // qCompress puts the length in four bytes before the zlib stream.
    return qCompress(data, 9).mid(4);
}

QByteArray ToUnicodeMap(const std::vector<char32_t>& letters) {
    QByteArray map = "/CIDInit/ProcSet findresource begin 12 dict begin begincmap\n"
                     "/CIDSystemInfo<</Registry(Adobe)/Ordering(UCS)/Supplement 0>>def\n"
                     "/CMapName/Adobe-Identity-UCS def/CMapType 2 def\n"
                     "1 begincodespacerange <0000><FFFF> endcodespacerange\n";
    for (std::size_t first = 0; first < letters.size(); first += kCMapSection) {
        const std::size_t last = std::min(letters.size(), first + kCMapSection);
        AppendInt(map, static_cast<qint64>(last - first));
        map.append(" beginbfchar\n");
        for (std::size_t code = first; code < last; ++code) {
            map.append('<');
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
    QRawFont raw;
    FontSubset subset;
    std::unordered_map<char32_t, std::uint16_t> codes;
    std::vector<char32_t> letters;
    std::vector<std::uint16_t> glyphs;

    std::uint16_t Code(char32_t letter) {
        if (const auto found = codes.find(letter); found != codes.end()) {
            return found->second;
        }
        // Codes have two bytes but a text may have more letters: the last code is shared.
        if (letters.size() > 0xFFFF) {
            return 0xFFFF;
        }
        const QList<quint32> indexes = raw.glyphIndexesForString(QString::fromUcs4(&letter, 1));
        const auto code = static_cast<std::uint16_t>(letters.size());
        letters.push_back(letter);
        glyphs.push_back(subset.Use(indexes.isEmpty() ? 0 : indexes.front()));
        codes.emplace(letter, code);
        return code;
    }
};

PdfDocument::PdfDocument(const QString& fileName, const QPageLayout& layout, int resolution,
                         const QString& title)
    : m_file(fileName), m_title(title), m_objectOffsets(kInfoObject + 1, 0) {
    const QRect full = layout.fullRectPoints();
    m_pageWidth = full.width();
    m_pageHeight = full.height();
    const QRect printable = layout.paintRectPixels(resolution);
    const double scale = 72.0 / resolution;
    // Device pixels run down the page from the printable area's corner; points run up.
    AppendNumber(m_pageMatrix, scale, 6);
    m_pageMatrix.append(" 0 0 ");
    AppendNumber(m_pageMatrix, -scale, 6);
    m_pageMatrix.append(' ');
    AppendNumber(m_pageMatrix, printable.left() * scale, 4);
    m_pageMatrix.append(' ');
    AppendNumber(m_pageMatrix, m_pageHeight - printable.top() * scale, 4);
    m_pageMatrix.append(" cm\n");
    m_page = m_pageMatrix;
    if (!m_file.open(QIODevice::WriteOnly)) {
        return;
    }
    // The second line's high bytes tell a transfer program that the file is binary.
    m_written = m_file.write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
}

PdfDocument::~PdfDocument() {
    if (m_file.isOpen()) {
        m_file.cancelWriting();
    }
}

bool PdfDocument::IsOpen() const {
    return m_file.isOpen();
}

int PdfDocument::FontFor(const QRawFont& raw) {
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        if (m_fonts[i]->raw == raw) {
            return static_cast<int>(i);
        }
    }
    std::optional<FontSubset> subset =
        FontSubset::Make([&raw](const char* tag) { return raw.fontTable(tag); });
    if (!subset) {
        return -1;
    }
    m_fonts.push_back(std::make_unique<Font>(Font{raw, std::move(*subset), {}, {}, {}}));
    return static_cast<int>(m_fonts.size() - 1);
}

bool PdfDocument::DrawRun(const QRect& cells, const QTransform& glyphs, const QRawFont& raw,
                          const QString& text) {
    const int index = FontFor(raw);
    if (index < 0) {
        return false;
    }
    Font& font = *m_fonts[static_cast<std::size_t>(index)];
    QByteArray& out = m_page;
    // Placed from the corner of its cells, a run reads as the run of the line before it but
    // for one number, which is what lets a page compress well.
    out.append("q 1 0 0 1 ");
    AppendInt(out, cells.left());
    out.append(' ');
    AppendInt(out, cells.top());
    // The white ground covers whatever lies below, as the old bitmap did, and clips the text.
    out.append(" cm 1 g 0 0 ");
    AppendInt(out, cells.width());
    out.append(' ');
    AppendInt(out, cells.height());
    out.append(" re W f 0 g BT/F");
    AppendInt(out, index);
    out.append(' ');
    AppendNumber(out, raw.pixelSize(), 4);
    out.append(" Tf ");
    // Text space runs up, the run's own space down.
    AppendNumber(out, glyphs.m11(), 6);
    out.append(' ');
    AppendNumber(out, glyphs.m12(), 6);
    out.append(' ');
    AppendNumber(out, -glyphs.m21(), 6);
    out.append(' ');
    AppendNumber(out, -glyphs.m22(), 6);
    out.append(' ');
    AppendNumber(out, glyphs.dx() - cells.left(), 2);
    out.append(' ');
    AppendNumber(out, glyphs.dy() - cells.top(), 2);
    out.append(" Tm(");
    for (const char32_t letter : text.toUcs4()) {
        const std::uint16_t code = font.Code(letter);
        for (const auto byte : {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)}) {
            if (byte == '(' || byte == ')' || byte == '\\') {
                out.append('\\');
            }
            // A bare carriage return in a string would be read as a line feed.
            out.append(byte == '\r' ? QByteArrayView("\\r") : QByteArrayView(&byte, 1));
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
    QByteArray start;
    AppendInt(start, object);
    start.append(" 0 obj\n");
    m_written += m_file.write(start);
}

void PdfDocument::WriteStream(int object, const QByteArray& data, const QByteArray& entries) {
    const QByteArray deflated = Deflated(data);
    BeginObject(object);
    QByteArray dictionary = "<</Length ";
    AppendInt(dictionary, deflated.size());
    dictionary.append("/Filter/FlateDecode");
    dictionary.append(entries);
    dictionary.append(">>stream\n");
    m_written += m_file.write(dictionary);
    m_written += m_file.write(deflated);
    m_written += m_file.write("\nendstream\nendobj\n");
}

void PdfDocument::WritePage() {
    const int contents = NewObject();
    WriteStream(contents, m_page);
    const int page = NewObject();
    BeginObject(page);
    QByteArray dictionary = "<</Type/Page/Parent 2 0 R/Contents ";
    AppendInt(dictionary, contents);
    dictionary.append(" 0 R>>\nendobj\n");
    m_written += m_file.write(dictionary);
    m_pages.push_back(page);
    m_page = m_pageMatrix;
}

bool PdfDocument::NewPage() {
    if (!m_file.isOpen()) {
        return false;
    }
    WritePage();
    return m_file.error() == QFileDevice::NoError;
}

void PdfDocument::WriteFont(const Font& font, int object) {
    const QByteArray name =
        "ZELKA" + QByteArray(1, static_cast<char>('A' + (object % 26))) + '+' + NameOf(font.raw);
    const QByteArray fontFile = font.subset.FontFile();
    const int file = NewObject();
    QByteArray length = "/Length1 ";
    AppendInt(length, fontFile.size());
    WriteStream(file, fontFile, length);

    QByteArray map;
    QByteArray widths = "[";
    for (std::size_t code = 0; code < font.glyphs.size(); ++code) {
        map.append(static_cast<char>(font.glyphs[code] >> 8));
        map.append(static_cast<char>(font.glyphs[code] & 0xFF));
        if (code == 0 ||
            font.subset.Advance(font.glyphs[code]) != font.subset.Advance(font.glyphs[code - 1])) {
            // A stretch of equal widths is one entry.
            std::size_t last = code;
            while (last + 1 < font.glyphs.size() && font.subset.Advance(font.glyphs[last + 1]) ==
                                                        font.subset.Advance(font.glyphs[code])) {
                ++last;
            }
            AppendInt(widths, static_cast<qint64>(code));
            widths.append(' ');
            AppendInt(widths, static_cast<qint64>(last));
            widths.append(' ');
            AppendNumber(widths, font.subset.Advance(font.glyphs[code]), 3);
            widths.append(' ');
        }
    }
    widths.append(']');
    const int glyphMap = NewObject();
    WriteStream(glyphMap, map);
    const int toUnicode = NewObject();
    WriteStream(toUnicode, ToUnicodeMap(font.letters));

    const int descriptor = NewObject();
    BeginObject(descriptor);
    const FontSubset::Box box = font.subset.Bounds();
    QByteArray text = "<</Type/FontDescriptor/FontName/" + name + "/Flags 4/FontBBox[";
    for (const double edge : {box.xMin, box.yMin, box.xMax, box.yMax}) {
        AppendNumber(text, edge, 0);
        text.append(' ');
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
    m_written += m_file.write(text);

    const int cidFont = NewObject();
    BeginObject(cidFont);
    text = "<</Type/Font/Subtype/CIDFontType2/BaseFont/" + name +
           "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>/FontDescriptor ";
    AppendInt(text, descriptor);
    text.append(" 0 R/W" + widths + "/CIDToGIDMap ");
    AppendInt(text, glyphMap);
    text.append(" 0 R>>\nendobj\n");
    m_written += m_file.write(text);

    BeginObject(object);
    text = "<</Type/Font/Subtype/Type0/BaseFont/" + name + "/Encoding/Identity-H/DescendantFonts[";
    AppendInt(text, cidFont);
    text.append(" 0 R]/ToUnicode ");
    AppendInt(text, toUnicode);
    text.append(" 0 R>>\nendobj\n");
    m_written += m_file.write(text);
}

bool PdfDocument::Finish() {
    if (!m_file.isOpen()) {
        return false;
    }
    WritePage();
    QByteArray resources = "/Resources<</Font<<";
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        const int object = NewObject();
        WriteFont(*m_fonts[i], object);
        resources.append("/F");
        AppendInt(resources, static_cast<qint64>(i));
        resources.append(' ');
        AppendInt(resources, object);
        resources.append(" 0 R");
    }
    resources.append(">>>>");

    BeginObject(kPagesObject);
    QByteArray pages = "<</Type/Pages/Count ";
    AppendInt(pages, static_cast<qint64>(m_pages.size()));
    pages.append("/MediaBox[0 0 ");
    AppendNumber(pages, m_pageWidth, 4);
    pages.append(' ');
    AppendNumber(pages, m_pageHeight, 4);
    pages.append(']' + resources + "/Kids[");
    for (const int page : m_pages) {
        AppendInt(pages, page);
        pages.append(" 0 R ");
    }
    pages.append("]>>\nendobj\n");
    m_written += m_file.write(pages);

    BeginObject(kCatalogObject);
    m_written += m_file.write("<</Type/Catalog/Pages 2 0 R>>\nendobj\n");

    BeginObject(kInfoObject);
    QByteArray info = "<</Title<FEFF";
    for (const QChar unit : m_title) {
        AppendHex16(info, unit.unicode());
    }
    info.append(">>>\nendobj\n");
    m_written += m_file.write(info);

    const qint64 xref = m_written;
    QByteArray table = "xref\n0 ";
    AppendInt(table, static_cast<qint64>(m_objectOffsets.size()));
    table.append("\n0000000000 65535 f \n");
    for (std::size_t object = 1; object < m_objectOffsets.size(); ++object) {
        char entry[24];
        std::snprintf(entry, sizeof(entry), "%010lld 00000 n \n",
                      static_cast<long long>(m_objectOffsets[object]));
        table.append(entry, 20);
    }
    table.append("trailer\n<</Size ");
    AppendInt(table, static_cast<qint64>(m_objectOffsets.size()));
    table.append("/Root 1 0 R/Info 3 0 R>>\nstartxref\n");
    AppendInt(table, xref);
    table.append("\n%%EOF\n");
    m_file.write(table);
    return m_file.commit();
}

} // namespace zel
