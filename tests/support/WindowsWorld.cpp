// The Windows test world (support/WineWorld.h): the machine's own drives, in the prefix
// scripts/wine-world makes.
#ifdef _WIN32

#include "dos/DosBoxStartPlan.h"
#include "platform/win32/Windows.h"
#include "support/WineWorld.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace fs = std::filesystem;

namespace zel::test {
namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA entry{};
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            const std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                RemoveTree(path);
            } else {
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

bool InWineWorld() {
    const char* world = std::getenv("ZEL_WINE_WORLD");
    return world != nullptr && *world != '\0';
}

DriveFolder::DriveFolder() {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "%c:\\ZT%lX.%03X", kFixedDrive, GetCurrentProcessId(),
                      ++counter & 0xFFFU);
        if (CreateDirectoryA(name, nullptr)) {
            m_path = name;
        }
    }
    if (m_path.empty()) {
        throw std::runtime_error("no folder on the test drive");
    }
}

DriveFolder::~DriveFolder() {
    RemoveTree(m_path);
}

std::string DriveFolder::operator/(std::string_view name) const {
    return m_path + "\\" + std::string(name);
}

void WriteFileBytes(const std::string& path, std::string_view bytes) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool ok =
        file != INVALID_HANDLE_VALUE &&
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
    }
    if (!ok) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string ReadFileBytes(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return bytes;
}

bool WaitForFile(const std::string& path, int seconds) {
    for (int waited = 0; waited < seconds * 20; ++waited) {
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
            return true;
        }
        Sleep(50);
    }
    return false;
}

std::string WaitForBytes(const std::string& path, int seconds) {
    for (int waited = 0; waited < seconds * 20; ++waited) {
        if (std::string bytes = ReadFileBytes(path); !bytes.empty()) {
            return bytes;
        }
        Sleep(50);
    }
    return {};
}

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
    static const DosBoxStartPlanner dosStart;
    return zel::MakePlatform(dosStart);
}

} // namespace zel::test

#endif
