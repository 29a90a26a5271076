#include "platform/posix/PifReader.h"

#include <cstdint>

namespace zel::posix {
namespace {

constexpr std::size_t kBasicSize = 0x171;
constexpr std::size_t kSectionHeaderSize = 22;
constexpr std::size_t kParametersIn386Data = 0x28;
constexpr std::size_t kFieldSize = 64;
constexpr std::uint16_t kLastSection = 0xFFFF;

std::uint16_t Word(std::string_view bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[offset]) |
                                      static_cast<unsigned char>(bytes[offset + 1]) << 8);
}

// A field ends at its first zero; older writers pad with blanks instead.
std::string Field(std::string_view bytes, std::size_t offset, std::size_t size) {
    std::string_view field = bytes.substr(offset, size);
    const auto zero = field.find('\0');
    if (zero != std::string_view::npos) {
        return std::string(field.substr(0, zero));
    }
    const auto last = field.find_last_not_of(' ');
    return std::string(field.substr(0, last == std::string_view::npos ? 0 : last + 1));
}

std::string TrimmedField(std::string_view bytes, std::size_t offset, std::size_t size) {
    std::string text = Field(bytes, offset, size);
    const auto last = text.find_last_not_of(' ');
    text.resize(last == std::string::npos ? 0 : last + 1);
    return text;
}

// The sections form a chain from the basic one; each names the offset of the next.
std::optional<std::string> Parameters386(std::string_view bytes) {
    std::size_t offset = kBasicSize;
    for (int guard = 0; guard < 16 && offset + kSectionHeaderSize <= bytes.size(); ++guard) {
        const std::string_view name = bytes.substr(offset, 16);
        const std::size_t data = Word(bytes, offset + 18);
        const std::size_t length = Word(bytes, offset + 20);
        if (name.substr(0, name.find('\0')) == "WINDOWS 386 3.0" &&
            length >= kParametersIn386Data + kFieldSize &&
            data + kParametersIn386Data + kFieldSize <= bytes.size()) {
            return Field(bytes, data + kParametersIn386Data, kFieldSize);
        }
        const std::uint16_t next = Word(bytes, offset + 16);
        if (next == kLastSection || next <= offset) {
            break;
        }
        offset = next;
    }
    return std::nullopt;
}

} // namespace

std::optional<PifContents> ReadPif(std::string_view bytes) {
    if (bytes.size() < kBasicSize) {
        return std::nullopt;
    }
    PifContents pif;
    pif.title = TrimmedField(bytes, 0x002, 30);
    pif.program = TrimmedField(bytes, 0x024, 63);
    pif.workingDirectory = TrimmedField(bytes, 0x065, 64);
    pif.parameters = Field(bytes, 0x0A5, kFieldSize);
    if (auto enhanced = Parameters386(bytes); enhanced && !enhanced->empty()) {
        pif.parameters = std::move(*enhanced);
    }
    if (pif.program.empty()) {
        return std::nullopt;
    }
    return pif;
}

} // namespace zel::posix
