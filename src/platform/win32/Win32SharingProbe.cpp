#include "platform/win32/Win32SharingProbe.h"

#include "platform/win32/Windows.h"

#include <string>

namespace zel::win32 {
namespace {

bool CanOpen(std::string_view dosPath, DWORD shareMode) {
    const std::string path(dosPath);
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, shareMode,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(handle);
    return true;
}

class OpeningSharingProbe final : public SharingProbe {
public:
    bool CanOpenExclusive(std::string_view dosPath) override { return CanOpen(dosPath, 0); }
    bool CanOpenDenyWrite(std::string_view dosPath) override {
        return CanOpen(dosPath, FILE_SHARE_READ);
    }
};

} // namespace

std::unique_ptr<SharingProbe> MakeOpeningSharingProbe() {
    return std::make_unique<OpeningSharingProbe>();
}

} // namespace zel::win32
