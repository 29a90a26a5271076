// The program information file: any bytes read back without harm, and what the writer
// composes from any texts reads back as those texts cut to their fields.

#include "launch/ProgramInformationFile.h"
#include "platform/posix/PifReader.h"

#include <cstdlib>

namespace {

// Four texts, separated by the byte 0x01 in the input; a zero ends a field in the file.
std::vector<std::string> Fields(std::string_view bytes) {
    std::vector<std::string> fields(4);
    std::size_t field = 0;
    for (const char c : bytes) {
        if (c == '\x01') {
            field = (field + 1) % fields.size();
        } else if (c != '\0') {
            fields[field] += c;
        }
    }
    return fields;
}

// A text field as the file keeps it: cut to its size, and its blank padding not told from
// blanks of the text (the parameters end at a zero and keep theirs).
std::string Kept(const std::string& text, std::size_t size) {
    std::string kept = text.substr(0, size);
    kept.erase(kept.find_last_not_of(' ') + 1);
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)zel::posix::ReadPif(bytes);

    const std::vector<std::string> fields = Fields(bytes);
    const zel::ProgramInformation info{fields[0], fields[1], fields[2], fields[3]};
    const std::string file = zel::ComposeProgramInformation(info);
    if (file.size() != zel::kProgramInformationSize) {
        std::abort();
    }
    const auto read = zel::posix::ReadPif(file);
    if (Kept(info.program, 62).empty()) {
        return 0;
    }
    if (!read || read->title != Kept(info.title, 29) || read->program != Kept(info.program, 62) ||
        read->workingDirectory != Kept(info.workingDirectory, 63) ||
        read->parameters != info.parameters.substr(0, 63)) {
        std::abort();
    }
    return 0;
}
