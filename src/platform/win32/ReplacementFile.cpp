#include "platform/win32/ReplacementFile.h"

#include "platform/win32/HandleFiles.h"
#include "platform/win32/Win32Error.h"
#include "platform/win32/Windows.h"
#include "text/DosPath.h"

#include <cstdio>

namespace zel::win32 {
namespace {

class ReplacementOutputFile final : public HandleOutputFile {
public:
    ReplacementOutputFile(HANDLE handle, std::string temporary, std::string target)
        : HandleOutputFile(handle), m_temporary(std::move(temporary)), m_target(std::move(target)) {
    }

    ~ReplacementOutputFile() override {
        if (!m_placed) {
            // The handle closes after this body: the name goes as soon as it does.
            if (IsOpen()) {
                try {
                    HandleOutputFile::Close();
                } catch (const IoError&) {
                }
            }
            DeleteFileA(m_temporary.c_str());
        }
    }
    ReplacementOutputFile(const ReplacementOutputFile&) = delete;
    ReplacementOutputFile& operator=(const ReplacementOutputFile&) = delete;

    void Close() override {
        HandleOutputFile::Close();
        const DWORD attributes = GetFileAttributesA(m_target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
            throw IoError(IoErrorKind::AccessDenied, m_target, ERROR_ACCESS_DENIED);
        }
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            SetFileAttributesA(m_temporary.c_str(),
                               attributes &
                                   (FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                    FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED));
        }
        if (!MoveFileExA(m_temporary.c_str(), m_target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            ThrowWin32Error(GetLastError(), m_target);
        }
        m_placed = true;
    }

private:
    std::string m_temporary;
    std::string m_target;
    bool m_placed = false;
};

// "~ZL" and five hexadecimal digits: a short name, as the folder may be on a FAT drive
// without long names.
std::string TemporaryName(std::string_view folder, unsigned number) {
    char name[16];
    std::snprintf(name, sizeof name, "~ZL%05X.TMP", number & 0xFFFFFU);
    std::string path(folder);
    if (!path.empty() && path.back() != '\\' && path.back() != ':') {
        path += '\\';
    }
    return path + name;
}

} // namespace

std::unique_ptr<OutputFile> BeginReplacement(const std::string& target) {
    std::string_view folder = DirectoryPart(target);
    if (folder.empty() && target.size() >= 2 && target[1] == ':') {
        folder = std::string_view(target).substr(0, 2); // "D:NAME", in D:'s current folder
    }
    unsigned number = GetTickCount() ^ (GetCurrentProcessId() << 8);
    for (int attempt = 0; attempt < 1000; ++attempt, number += 7919) {
        std::string temporary = TemporaryName(folder, number);
        const HANDLE handle = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            return std::make_unique<ReplacementOutputFile>(handle, std::move(temporary), target);
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            ThrowWin32Error(error, temporary);
        }
    }
    throw IoError(IoErrorKind::FileExists, target, ERROR_FILE_EXISTS);
}

} // namespace zel::win32
