#include "support/WineWorld.h"

#include "dos/DosBoxStartPlan.h"

#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

namespace zel::test {

WineWorld::WineWorld() : m_prefix(m_dir.Path() / "prefix") {
    fs::create_directories(m_prefix / "dosdevices");
    if (const char* old = std::getenv("WINEPREFIX"); old != nullptr) {
        m_hadOldPrefix = true;
        m_oldPrefix = old;
    }
    ::setenv("WINEPREFIX", m_prefix.c_str(), 1);
}

WineWorld::~WineWorld() {
    if (m_hadOldPrefix) {
        ::setenv("WINEPREFIX", m_oldPrefix.c_str(), 1);
    } else {
        ::unsetenv("WINEPREFIX");
    }
}

fs::path WineWorld::AddDrive(char letter) {
    const char lower = static_cast<char>(letter - 'A' + 'a');
    const fs::path root = m_dir.Path() / (std::string("drive_") + lower);
    fs::create_directories(root);
    const fs::path link = m_prefix / "dosdevices" / (std::string(1, lower) + ":");
    fs::remove(link);
    fs::create_directory_symlink(root, link);
    return root;
}

void WineWorld::AddDanglingDrive(char letter) {
    const char lower = static_cast<char>(letter - 'A' + 'a');
    fs::create_directory_symlink(m_dir.Path() / "nowhere",
                                 m_prefix / "dosdevices" / (std::string(1, lower) + ":"));
}

void WineWorld::SetDriveTypes(std::string_view entries) {
    WriteNativeFile(m_prefix / "system.reg",
                    "WINE REGISTRY Version 2\n\n[Software\\\\Wine\\\\Drives] 1700000000\n" +
                        std::string(entries) + "\n");
}

fs::path WineWorld::Native(std::string_view dosPath) const {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(dosPath[0])));
    fs::path path = m_dir.Path() / (std::string("drive_") + lower);
    std::string rest(dosPath.substr(3));
    std::size_t start = 0;
    while (start <= rest.size() && !rest.empty()) {
        const auto slash = rest.find('\\', start);
        path /= rest.substr(start, slash - start);
        if (slash == std::string::npos) {
            break;
        }
        start = slash + 1;
    }
    return path;
}

fs::path WineWorld::WriteFile(std::string_view dosPath, std::string_view bytes) {
    const fs::path path = Native(dosPath);
    WriteNativeFile(path, bytes);
    return path;
}

std::unique_ptr<posix::PosixPlatform> WineWorld::MakePlatform() const {
    static const DosBoxStartPlanner dosStart;
    auto platform = std::make_unique<posix::PosixPlatform>(posix::WinePrefix(m_prefix));
    platform->UseDosStart(dosStart);
    return platform;
}

} // namespace zel::test
