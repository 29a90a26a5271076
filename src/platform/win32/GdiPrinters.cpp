#include "platform/win32/GdiPrinters.h"

#include "platform/win32/Windows.h"

#include <string>
#include <winspool.h>

namespace zel::win32 {

bool GdiPrinterExists(std::string_view name) {
    if (name.empty()) {
        DWORD size = 0;
        GetDefaultPrinterA(nullptr, &size);
        return size > 1;
    }
    std::string printer(name);
    HANDLE handle = nullptr;
    if (!OpenPrinterA(printer.data(), &handle, nullptr)) {
        return false;
    }
    ClosePrinter(handle);
    return true;
}

} // namespace zel::win32
