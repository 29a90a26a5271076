#include "dos/DosStart.h"

#include "text/OemText.h"

namespace zel {
namespace {

constexpr unsigned char kLoader[] = {
#include "DosStartLoader.inc"
};

constexpr std::size_t kFolderOffset = 1;
constexpr std::size_t kProgramOffset = 128;
constexpr std::size_t kTailOffset = 256;
constexpr std::size_t kTextLimit = 127;

} // namespace

std::string DosCommandTail(std::string_view parameters) {
    std::string text;
    for (const char c : parameters) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            text += c;
        }
    }
    if (text.empty()) {
        return text;
    }
    if (text.front() != ' ') {
        text.insert(text.begin(), ' ');
    }
    return Cp1250ToCp852(text.substr(0, kDosTailCapacity));
}

std::optional<std::string> ComposeDosStartData(char workingDrive, std::string_view folder,
                                               std::string_view program, std::string_view tail) {
    if (folder.size() >= kTextLimit || program.size() >= kTextLimit ||
        tail.size() > kDosTailCapacity) {
        return std::nullopt;
    }
    std::string data(kDosStartDataSize, '\0');
    data[0] = static_cast<char>(workingDrive);
    data.replace(kFolderOffset, folder.size(), folder);
    data.replace(kProgramOffset, program.size(), program);
    data[kTailOffset] = static_cast<char>(tail.size());
    data.replace(kTailOffset + 1, tail.size(), tail);
    data[kTailOffset + 1 + tail.size()] = '\r';
    return data;
}

std::string_view DosStartLoader() {
    return {reinterpret_cast<const char*>(kLoader), sizeof kLoader};
}

} // namespace zel
