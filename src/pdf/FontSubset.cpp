#include "pdf/FontSubset.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zel {
namespace {

// Reads past the end give 0: a table cut short cannot reach outside its bytes.
std::uint16_t U16(const std::string& data, std::size_t at) {
    if (at + 2 > data.size()) {
        return 0;
    }
    return static_cast<std::uint16_t>((static_cast<std::uint8_t>(data[at]) << 8) |
                                      static_cast<std::uint8_t>(data[at + 1]));
}

std::int16_t I16(const std::string& data, std::size_t at) {
    return static_cast<std::int16_t>(U16(data, at));
}

std::uint32_t U32(const std::string& data, std::size_t at) {
    return (std::uint32_t{U16(data, at)} << 16) | U16(data, at + 2);
}

void PutU16(std::string& data, std::size_t at, std::uint32_t value) {
    data[at] = static_cast<char>((value >> 8) & 0xFF);
    data[at + 1] = static_cast<char>(value & 0xFF);
}

void PutU32(std::string& data, std::size_t at, std::uint32_t value) {
    PutU16(data, at, value >> 16);
    PutU16(data, at + 2, value & 0xFFFF);
}

void AppendU16(std::string& data, std::uint32_t value) {
    data.push_back(static_cast<char>((value >> 8) & 0xFF));
    data.push_back(static_cast<char>(value & 0xFF));
}

void AppendU32(std::string& data, std::uint32_t value) {
    AppendU16(data, value >> 16);
    AppendU16(data, value & 0xFFFF);
}

void PadToFour(std::string& data) {
    data.resize((data.size() + 3) / 4 * 4, '\0');
}

std::uint32_t CheckSum(const std::string& data) {
    std::uint32_t sum = 0;
    for (std::size_t at = 0; at < data.size(); at += 4) {
        std::uint32_t word = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            word =
                (word << 8) | (at + i < data.size() ? static_cast<std::uint8_t>(data[at + i]) : 0);
        }
        sum += word;
    }
    return sum;
}

// Composite glyph component flags.
constexpr std::uint16_t kWordArguments = 0x0001;
constexpr std::uint16_t kScale = 0x0008;
constexpr std::uint16_t kMoreComponents = 0x0020;
constexpr std::uint16_t kXYScale = 0x0040;
constexpr std::uint16_t kTwoByTwo = 0x0080;
constexpr std::uint16_t kInstructions = 0x0100;
constexpr std::size_t kGlyphHeader = 10;

// Where each component of a composite glyph begins, and where the components end.
std::pair<std::vector<std::size_t>, std::size_t> ComponentsOf(const std::string& glyph) {
    std::vector<std::size_t> starts;
    if (glyph.size() < kGlyphHeader || I16(glyph, 0) >= 0) {
        return {starts, glyph.size()};
    }
    std::size_t at = kGlyphHeader;
    std::uint16_t flags = kMoreComponents;
    while ((flags & kMoreComponents) != 0 && at + 4 <= glyph.size()) {
        flags = U16(glyph, at);
        starts.push_back(at);
        at += 4 + ((flags & kWordArguments) != 0 ? 4 : 2);
        if ((flags & kScale) != 0) {
            at += 2;
        } else if ((flags & kXYScale) != 0) {
            at += 4;
        } else if ((flags & kTwoByTwo) != 0) {
            at += 8;
        }
    }
    return {starts, std::min(at, glyph.size())};
}

// Hinting would only shift outlines by a device pixel of the screen the face was hinted for;
// without it a glyph is its outline, as every PDF reader draws it alike.
std::string WithoutInstructions(const std::string& glyph) {
    if (glyph.size() < kGlyphHeader) {
        return {};
    }
    const int contours = I16(glyph, 0);
    if (contours < 0) {
        const auto [starts, end] = ComponentsOf(glyph);
        std::string bare = glyph.substr(0, end);
        for (const std::size_t at : starts) {
            PutU16(bare, at, U16(bare, at) & ~kInstructions);
        }
        return bare;
    }
    const std::size_t lengthAt = kGlyphHeader + 2 * static_cast<std::size_t>(contours);
    const std::size_t codeAt = lengthAt + 2;
    if (codeAt + U16(glyph, lengthAt) > glyph.size()) {
        return {};
    }
    std::string bare = glyph.substr(0, codeAt);
    PutU16(bare, lengthAt, 0);
    bare.append(glyph, codeAt + U16(glyph, lengthAt));
    return bare;
}

} // namespace

std::optional<FontSubset> FontSubset::Make(const TableSource& tables) {
    FontSubset font;
    font.m_head = tables("head");
    font.m_hhea = tables("hhea");
    font.m_maxp = tables("maxp");
    font.m_glyf = tables("glyf");
    font.m_hmtx = tables("hmtx");
    const std::string loca = tables("loca");
    if (font.m_head.size() < 54 || font.m_hhea.size() < 36 || font.m_maxp.size() < 6 ||
        font.m_glyf.empty()) {
        return std::nullopt;
    }
    font.m_unitsPerEm = U16(font.m_head, 18);
    const bool longOffsets = I16(font.m_head, 50) == 1;
    const std::size_t glyphs = U16(font.m_maxp, 4);
    font.m_metricCount = U16(font.m_hhea, 34);
    const auto metricCount = static_cast<std::size_t>(font.m_metricCount);
    if (font.m_unitsPerEm == 0 || glyphs == 0 || metricCount == 0 || metricCount > glyphs ||
        font.m_hmtx.size() < 4 * metricCount ||
        loca.size() < (glyphs + 1) * (longOffsets ? 4 : 2)) {
        return std::nullopt;
    }
    font.m_offsets.reserve(glyphs + 1);
    for (std::size_t i = 0; i <= glyphs; ++i) {
        const std::uint32_t offset =
            longOffsets ? U32(loca, 4 * i) : 2 * std::uint32_t{U16(loca, 2 * i)};
        if (offset > font.m_glyf.size() ||
            (!font.m_offsets.empty() && offset < font.m_offsets.back())) {
            return std::nullopt;
        }
        font.m_offsets.push_back(offset);
    }
    (void)font.Use(0);
    return font;
}

std::string FontSubset::GlyphData(std::uint32_t glyph) const {
    const std::uint32_t begin = m_offsets[glyph];
    return m_glyf.substr(begin, m_offsets[glyph + 1] - begin);
}

std::vector<std::uint16_t> FontSubset::Components(const std::string& glyph) const {
    std::vector<std::uint16_t> components;
    for (const std::size_t at : ComponentsOf(glyph).first) {
        components.push_back(U16(glyph, at + 2));
    }
    return components;
}

std::uint16_t FontSubset::Use(std::uint32_t glyph) {
    // m_offsets ends with the end of the last glyph.
    if (glyph >= m_offsets.size() - 1) {
        glyph = 0;
    }
    const auto faceGlyph = static_cast<std::uint16_t>(glyph);
    if (const auto found = m_numbers.find(faceGlyph); found != m_numbers.end()) {
        return found->second;
    }
    const std::uint16_t number = Take(faceGlyph);
    // Parts are taken from a list rather than by recursion: composites may nest deep.
    std::vector<std::uint16_t> pending{faceGlyph};
    while (!pending.empty()) {
        const std::uint16_t next = pending.back();
        pending.pop_back();
        for (const std::uint16_t component : Components(GlyphData(next))) {
            if (component + 1u < m_offsets.size() && !m_numbers.contains(component)) {
                (void)Take(component);
                pending.push_back(component);
            }
        }
    }
    return number;
}

std::uint16_t FontSubset::Take(std::uint16_t glyph) {
    const auto number = static_cast<std::uint16_t>(m_used.size());
    m_used.push_back(glyph);
    m_numbers.emplace(glyph, number);
    return number;
}

double FontSubset::PerMille(int units) const {
    return units * 1000.0 / m_unitsPerEm;
}

double FontSubset::Advance(std::uint16_t subsetGlyph) const {
    const int glyph = m_used.at(subsetGlyph);
    const int metric = glyph < m_metricCount ? glyph : m_metricCount - 1;
    return PerMille(U16(m_hmtx, 4 * static_cast<std::size_t>(metric)));
}

FontSubset::Box FontSubset::Bounds() const {
    return {PerMille(I16(m_head, 36)), PerMille(I16(m_head, 38)), PerMille(I16(m_head, 40)),
            PerMille(I16(m_head, 42))};
}

double FontSubset::Ascent() const {
    return PerMille(I16(m_hhea, 4));
}

double FontSubset::Descent() const {
    return PerMille(I16(m_hhea, 6));
}

std::string FontSubset::FontFile() const {
    std::string glyf;
    std::string loca;
    std::string hmtx;
    const auto metricCount = static_cast<std::size_t>(m_metricCount);
    for (const std::uint16_t glyph : m_used) {
        AppendU32(loca, static_cast<std::uint32_t>(glyf.size()));
        std::string data = WithoutInstructions(GlyphData(glyph));
        for (const std::size_t at : ComponentsOf(data).first) {
            // A part the face does not have becomes the missing-glyph box.
            const auto part = m_numbers.find(U16(data, at + 2));
            PutU16(data, at + 2, part == m_numbers.end() ? 0 : part->second);
        }
        glyf.append(data);
        PadToFour(glyf);
        const std::size_t metric = glyph < metricCount ? glyph : metricCount - 1;
        AppendU16(hmtx, U16(m_hmtx, 4 * metric));
        const std::size_t bearing = glyph < metricCount
                                        ? 4 * std::size_t{glyph} + 2
                                        : 4 * metricCount + 2 * (std::size_t{glyph} - metricCount);
        AppendU16(hmtx, U16(m_hmtx, bearing));
    }
    AppendU32(loca, static_cast<std::uint32_t>(glyf.size()));
    std::string head = m_head;
    PutU32(head, 8, 0);
    PutU16(head, 50, 1);
    std::string hhea = m_hhea;
    PutU16(hhea, 34, static_cast<std::uint32_t>(m_used.size()));
    std::string maxp = m_maxp;
    PutU16(maxp, 4, static_cast<std::uint32_t>(m_used.size()));

    // In the order of their tags, as the table directory lists them.
    const std::array<std::pair<const char*, const std::string*>, 6> tables{{{"glyf", &glyf},
                                                                            {"head", &head},
                                                                            {"hhea", &hhea},
                                                                            {"hmtx", &hmtx},
                                                                            {"loca", &loca},
                                                                            {"maxp", &maxp}}};
    const auto count = static_cast<std::uint32_t>(tables.size());
    std::uint32_t power = 1;
    std::uint32_t log = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log;
    }
    std::string file;
    AppendU32(file, 0x00010000);
    AppendU16(file, count);
    AppendU16(file, power * 16);
    AppendU16(file, log);
    AppendU16(file, count * 16 - power * 16);
    const std::size_t offset = 12 + 16 * std::size_t{count};
    std::string bodies;
    std::size_t headAt = 0;
    for (const auto& [tag, data] : tables) {
        file.append(tag, 4);
        AppendU32(file, CheckSum(*data));
        AppendU32(file, static_cast<std::uint32_t>(offset + bodies.size()));
        AppendU32(file, static_cast<std::uint32_t>(data->size()));
        if (data == &head) {
            headAt = offset + bodies.size();
        }
        bodies.append(*data);
        PadToFour(bodies);
    }
    file.append(bodies);
    PutU32(file, headAt + 8, 0xB1B0AFBA - CheckSum(file));
    return file;
}

} // namespace zel
