#include "platform/win32/OpenedEntry.h"

namespace zel::win32 {

std::optional<OpenedEntry> ReadOpenedEntry(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_BASIC_INFO basic{};
    if (GetFileInformationByHandle(file, &info) == 0 ||
        GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic) == 0) {
        return std::nullopt;
    }
    const auto wide = [](DWORD high, DWORD low) {
        return (static_cast<std::uint64_t>(high) << 32) | low;
    };
    // FILETIME counts 100 ns steps.
    constexpr std::int64_t kNsPerStep = 100;
    return OpenedEntry{FileStamp{info.dwVolumeSerialNumber,
                                 wide(info.nFileIndexHigh, info.nFileIndexLow),
                                 wide(info.nFileSizeHigh, info.nFileSizeLow),
                                 basic.LastWriteTime.QuadPart * kNsPerStep,
                                 basic.ChangeTime.QuadPart * kNsPerStep},
                       (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0};
}

} // namespace zel::win32
