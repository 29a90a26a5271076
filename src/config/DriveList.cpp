#include "config/DriveList.h"

#include <algorithm>

namespace zel {
namespace {

// Lower case as the code page knows it: accented capitals of labels and share names too.
char Cp1250Lower(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
        return static_cast<char>(byte + 0x20);
    }
    switch (byte) {
    case 0x8A:
    case 0x8C:
    case 0x8D:
    case 0x8E:
    case 0x8F:
        return static_cast<char>(byte + 0x10);
    case 0xA3:
        return '\xB3';
    case 0xA5:
        return '\xB9';
    case 0xAA:
        return '\xBA';
    case 0xAF:
        return '\xBF';
    case 0xBC:
        return '\xBE';
    default:
        return c;
    }
}

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), Cp1250Lower);
    return out;
}

std::string BracketedLabel(Platform& platform, char letter) {
    const auto label = platform.VolumeLabel(letter);
    return "[" + Lower(label.value_or("")) + "]";
}

} // namespace

std::optional<std::string> DriveListEntry(Platform& platform, char letter) {
    const std::string head{Cp1250Lower(letter), ':'};
    switch (platform.GetDriveType(letter)) {
    case DriveType::Removable:
        return head;
    case DriveType::Fixed:
    case DriveType::CdRom:
    case DriveType::RamDisk:
        return head + " " + BracketedLabel(platform, letter);
    case DriveType::Remote: {
        const auto remote = platform.RemoteName(letter);
        if (remote && !remote->empty()) {
            return head + " " + Lower(*remote);
        }
        return head + " " + BracketedLabel(platform, letter);
    }
    case DriveType::Unknown:
    case DriveType::NoRootDir:
        break;
    }
    return std::nullopt;
}

std::vector<std::string> ReadDriveList(Platform& platform) {
    std::vector<char> letters = platform.PresentDrives();
    std::sort(letters.begin(), letters.end());
    letters.erase(std::unique(letters.begin(), letters.end()), letters.end());
    std::vector<std::string> entries;
    for (const char letter : letters) {
        if (letter < 'A' || letter > 'Z') {
            continue;
        }
        if (auto entry = DriveListEntry(platform, letter)) {
            entries.push_back(std::move(*entry));
        }
    }
    return entries;
}

} // namespace zel
