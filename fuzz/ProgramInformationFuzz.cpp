// The program information file: whatever the texts, the writer keeps the file's size, puts
// each text cut to its field followed by a zero, and changes no byte outside the fields.

#include "launch/ProgramInformationFile.h"

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr std::array kFields = {zel::kPifTitle, zel::kPifProgram, zel::kPifWorkingDirectory,
                                zel::kPifParameters};

// Four texts, separated by the byte 0x01 in the input; a zero ends a field in the file.
std::array<std::string, 4> Texts(std::string_view bytes) {
    std::array<std::string, 4> texts;
    std::size_t field = 0;
    for (const char c : bytes) {
        if (c == '\x01') {
            field = (field + 1) % texts.size();
        } else if (c != '\0') {
            texts[field] += c;
        }
    }
    return texts;
}

bool InAField(std::size_t offset) {
    for (const auto& field : kFields) {
        if (offset >= field.offset && offset < field.offset + field.size) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto texts = Texts({reinterpret_cast<const char*>(data), size});
    const std::string file =
        zel::ComposeProgramInformation({texts[0], texts[1], texts[2], texts[3]});
    static const std::string kEmpty = zel::ComposeProgramInformation({});
    if (file.size() != zel::kProgramInformationSize) {
        std::abort();
    }
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const std::string_view field(file.data() + kFields[i].offset, kFields[i].size);
        if (field.substr(0, field.find('\0')) !=
            std::string_view(texts[i]).substr(0, field.size() - 1)) {
            std::abort();
        }
    }
    for (std::size_t offset = 0; offset < file.size(); ++offset) {
        if (!InAField(offset) && file[offset] != kEmpty[offset]) {
            std::abort();
        }
    }
    return 0;
}
