#include "platform/win32/ClaimedFolderFile.h"

#include "platform/win32/EntryOfFolder.h"
#include "platform/win32/HandleFiles.h"
#include "platform/win32/OpenedEntry.h"
#include "platform/win32/Windows.h"
#include "text/DosPath.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zel::win32 {
namespace {

class HeldReader final : public InputFile {
public:
    explicit HeldReader(HANDLE handle) : m_handle(handle) {}
    std::uint64_t Size() override { return HandleSize(m_handle); }
    std::string Read(std::size_t maxBytes) override { return ReadHandle(m_handle, maxBytes); }

private:
    HANDLE m_handle;
};

class Win32ClaimedFile final : public ClaimedFile {
public:
    Win32ClaimedFile(HANDLE handle, std::string folder)
        : m_handle(handle), m_folder(std::move(folder)), m_reader(handle) {}
    ~Win32ClaimedFile() override {
        if (m_handle != INVALID_HANDLE_VALUE) {
            CloseHandle(m_handle);
        }
    }
    Win32ClaimedFile(const Win32ClaimedFile&) = delete;
    Win32ClaimedFile& operator=(const Win32ClaimedFile&) = delete;

    InputFile& Content() override { return m_reader; }

    std::optional<FileStamp> Stamp() override {
        if (m_handle == INVALID_HANDLE_VALUE) {
            return std::nullopt;
        }
        const auto entry = ReadOpenedEntry(m_handle);
        return entry ? std::optional<FileStamp>(entry->stamp) : std::nullopt;
    }

    bool Rename(std::string_view name) override {
        if (m_handle == INVALID_HANDLE_VALUE || !IsPlainFileName(name)) {
            return false;
        }
        // The whole path, as the documentation asks: a name alone would be taken against the
        // process's current folder.
        const std::string target = (DosPath(m_folder) / name).Text();
        const int length = MultiByteToWideChar(CP_ACP, 0, target.data(),
                                               static_cast<int>(target.size()), nullptr, 0);
        if (length <= 0) {
            return false;
        }
        const std::size_t bytes = offsetof(FILE_RENAME_INFO, FileName) +
                                  (static_cast<std::size_t>(length) + 1) * sizeof(WCHAR);
        std::vector<std::uint64_t> storage((bytes + sizeof(std::uint64_t) - 1) /
                                           sizeof(std::uint64_t));
        auto* info = reinterpret_cast<FILE_RENAME_INFO*>(storage.data());
        info->ReplaceIfExists = FALSE;
        info->RootDirectory = nullptr;
        info->FileNameLength = static_cast<DWORD>(length) * sizeof(WCHAR);
        MultiByteToWideChar(CP_ACP, 0, target.data(), static_cast<int>(target.size()),
                            info->FileName, length);
        return SetFileInformationByHandle(m_handle, FileRenameInfo, info,
                                          static_cast<DWORD>(bytes)) != 0;
    }

    bool Delete() override {
        if (m_handle == INVALID_HANDLE_VALUE) {
            return false;
        }
        // Its one member is named through the DeleteFile macro, which Windows.h drops.
        FILE_DISPOSITION_INFO disposition{TRUE};
        if (!SetFileInformationByHandle(m_handle, FileDispositionInfo, &disposition,
                                        sizeof disposition)) {
            return false;
        }
        // The entry goes when the last handle closes: this one, at once.
        CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        return true;
    }

private:
    HANDLE m_handle;
    std::string m_folder;
    HeldReader m_reader;
};

ClaimOutcome OutcomeOfError(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ClaimOutcome::Gone;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return ClaimOutcome::Busy;
    default:
        // ERROR_ACCESS_DENIED: a folder, a file the user may not delete, or one that goes.
        return ClaimOutcome::Refused;
    }
}

std::string FullPathOf(const std::string& folder) {
    char full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(folder.c_str(), MAX_PATH, full, nullptr);
    return length == 0 || length >= MAX_PATH ? folder : std::string(full, length);
}

} // namespace

FileClaim ClaimFolderFile(const std::string& folder, std::string_view name,
                          const std::optional<FileStamp>& expected) {
    if (!IsPlainFileName(name)) {
        return {ClaimOutcome::Refused, nullptr};
    }
    const std::string full = FullPathOf(folder);
    const std::string path = (DosPath(full) / name).Text();
    // Others may go on reading; a writer, another claim, a rename or a delete must wait.
    const HANDLE handle =
        CreateFileA(path.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return {OutcomeOfError(GetLastError()), nullptr};
    }
    auto claimed = std::make_unique<Win32ClaimedFile>(handle, full);
    if (!IsFileOfItsOwn(handle) || !IsEntryOfFolder(handle, full, name)) {
        return {ClaimOutcome::Refused, nullptr};
    }
    if (expected && claimed->Stamp() != expected) {
        return {ClaimOutcome::Changed, nullptr};
    }
    return {ClaimOutcome::Claimed, std::move(claimed)};
}

} // namespace zel::win32
