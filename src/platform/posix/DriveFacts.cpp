#include "platform/posix/DriveFacts.h"

#include <fstream>

namespace zel::posix {

DriveType DriveTypeOf(const WinePrefix& prefix, char letter) {
    return prefix.DriveRoot(letter) ? DriveType::Fixed : DriveType::NoRootDir;
}

std::optional<std::string> VolumeLabelOf(const WinePrefix& prefix, char letter) {
    const auto root = prefix.DriveRoot(letter);
    if (!root) {
        return std::nullopt;
    }
    std::ifstream in(*root / ".windows-label");
    std::string label;
    if (!in || !std::getline(in, label)) {
        return std::string{};
    }
    return NativeNameToDos(label);
}

std::optional<std::string> FileSystemNameOf(const WinePrefix&, char) {
    return std::nullopt;
}

std::optional<std::string> RemoteNameOf(const WinePrefix&, char) {
    return std::nullopt;
}

} // namespace zel::posix
