// The Windows test world (support/WineWorld.h): the machine's own drives.
#ifdef _WIN32

#include "support/WineWorld.h"

#include <stdexcept>

namespace fs = std::filesystem;

namespace zel::test {

WineWorld::~WineWorld() {
    std::error_code ec;
    for (const auto& path : m_made) {
        fs::remove_all(path, ec);
    }
}

fs::path WineWorld::AddDrive(char letter) {
    const fs::path root = std::string{letter, ':', '\\'};
    std::error_code ec;
    if (!fs::is_directory(root, ec)) {
        throw std::runtime_error(std::string("no drive ") + letter + ": on this machine");
    }
    return root;
}

fs::path WineWorld::Native(std::string_view dosPath) const {
    return fs::path(std::string(dosPath));
}

fs::path WineWorld::WriteFile(std::string_view dosPath, std::string_view bytes) {
    const fs::path path = Native(dosPath);
    // The topmost folder that this write makes, or the file itself at a root.
    fs::path topmost = path;
    std::error_code ec;
    for (fs::path parent = path.parent_path(); parent != parent.root_path() && !parent.empty();
         parent = parent.parent_path()) {
        if (!fs::exists(parent, ec)) {
            topmost = parent;
        }
    }
    if (!fs::exists(topmost, ec)) {
        m_made.insert(topmost);
    }
    WriteNativeFile(path, bytes);
    return path;
}

std::unique_ptr<Platform> WineWorld::MakePlatform() const {
    return zel::MakePlatform();
}

} // namespace zel::test

#endif
