#include "platform/win32/HandleFiles.h"

#include "platform/win32/EntryOfFolder.h"
#include "platform/win32/Win32Error.h"
#include "platform/win32/Windows.h"

#include <algorithm>

namespace zel::win32 {
namespace {

class HandleInputFile final : public InputFile {
public:
    explicit HandleInputFile(HANDLE handle) : m_handle(handle) {}
    ~HandleInputFile() override { CloseHandle(m_handle); }
    HandleInputFile(const HandleInputFile&) = delete;
    HandleInputFile& operator=(const HandleInputFile&) = delete;

    std::uint64_t Size() override { return HandleSize(m_handle); }
    std::string Read(std::size_t maxBytes) override { return ReadHandle(m_handle, maxBytes); }

private:
    HANDLE m_handle;
};

HANDLE OpenExisting(const std::string& path, DWORD flags) {
    const HANDLE handle =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        ThrowWin32Error(GetLastError(), path);
    }
    return handle;
}

} // namespace

std::uint64_t HandleSize(void* handle) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle, &size)) {
        ThrowWin32Error(GetLastError());
    }
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::string ReadHandle(void* handle, std::size_t maxBytes) {
    std::string buffer(maxBytes, '\0');
    std::size_t got = 0;
    while (got < maxBytes) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(maxBytes - got, 1U << 30));
        DWORD read = 0;
        if (!ReadFile(handle, buffer.data() + got, chunk, &read, nullptr)) {
            throw IoError(IoErrorKind::ReadError);
        }
        if (read == 0) {
            break;
        }
        got += read;
    }
    buffer.resize(got);
    return buffer;
}

std::unique_ptr<InputFile> OpenHandleForRead(const std::string& path) {
    return std::make_unique<HandleInputFile>(OpenExisting(path, 0));
}

std::unique_ptr<InputFile> OpenRegularHandleForRead(const std::string& path) {
    const HANDLE handle = OpenExisting(path, FILE_FLAG_OPEN_REPARSE_POINT);
    auto file = std::make_unique<HandleInputFile>(handle);
    if (!IsFileOfItsOwn(handle)) {
        throw IoError(IoErrorKind::AccessDenied, path);
    }
    char full[MAX_PATH] = {};
    char* name = nullptr;
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, &name);
    if (length == 0 || length >= MAX_PATH || name == nullptr ||
        !IsEntryOfFolder(handle, std::string(full, name), name)) {
        throw IoError(IoErrorKind::AccessDenied, path);
    }
    return file;
}

bool IsFileOfItsOwn(void* handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info) &&
           (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ==
               0 &&
           info.nNumberOfLinks == 1;
}

std::unique_ptr<OutputFile> CreateHandleForWrite(const std::string& path) {
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        ThrowWin32Error(GetLastError(), path);
    }
    return std::make_unique<HandleOutputFile>(handle);
}

HandleOutputFile::~HandleOutputFile() {
    if (IsOpen()) {
        CloseHandle(m_handle);
    }
}

bool HandleOutputFile::IsOpen() const {
    return m_handle != INVALID_HANDLE_VALUE;
}

void HandleOutputFile::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30));
        DWORD written = 0;
        if (!WriteFile(m_handle, bytes.data(), chunk, &written, nullptr)) {
            ThrowWin32Error(GetLastError());
        }
        if (written == 0) {
            throw IoError(IoErrorKind::DiskFull);
        }
        bytes.remove_prefix(written);
    }
}

void HandleOutputFile::Close() {
    const HANDLE handle = m_handle;
    m_handle = INVALID_HANDLE_VALUE;
    if (!FlushFileBuffers(handle)) {
        const DWORD error = GetLastError();
        CloseHandle(handle);
        ThrowWin32Error(error);
    }
    if (!CloseHandle(handle)) {
        ThrowWin32Error(GetLastError());
    }
}

} // namespace zel::win32
