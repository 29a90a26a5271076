#include "platform/win32/Win32SharingProbe.h"

#include "platform/win32/OpenedEntry.h"
#include "platform/win32/Windows.h"

#include <string>

namespace zel::win32 {
namespace {

class OpeningSharingProbe final : public SharingProbe {
public:
    SharingAnswer CanOpenExclusive(std::string_view dosPath) override {
        return CanOpen(dosPath, 0);
    }
    SharingAnswer CanOpenDenyWrite(std::string_view dosPath) override {
        return CanOpen(dosPath, FILE_SHARE_READ);
    }

private:
    static SharingAnswer CanOpen(std::string_view dosPath, DWORD shareMode) {
        const std::string path(dosPath);
        // The entry itself first: when it is a file of its own, this one open both answers
        // and reads its stamp. On a shared folder each open is a round trip to the server.
        HANDLE handle = Open(path, shareMode, FILE_FLAG_OPEN_REPARSE_POINT);
        if (handle != INVALID_HANDLE_VALUE) {
            const auto entry = ReadOpenedEntry(handle);
            CloseHandle(handle);
            if (entry && !entry->reparsePoint) {
                return {true, entry->stamp};
            }
        }
        // A link is asked about what it leads to, as the program's own open follows it.
        handle = Open(path, shareMode, 0);
        if (handle == INVALID_HANDLE_VALUE) {
            return {};
        }
        CloseHandle(handle);
        return {true, std::nullopt};
    }

    static HANDLE Open(const std::string& path, DWORD shareMode, DWORD flags) {
        return CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, shareMode, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | flags, nullptr);
    }
};

} // namespace

std::unique_ptr<SharingProbe> MakeOpeningSharingProbe() {
    return std::make_unique<OpeningSharingProbe>();
}

} // namespace zel::win32
