#include "platform/win32/GdiPrinters.h"

#include "platform/win32/Windows.h"
#include "text/AsciiUpper.h"

#include <string>
#include <vector>
#include <winspool.h>

namespace zel::win32 {
namespace {

// The printers the spooler lists, local and connected. A printer name the registry keeps as
// the default is no printer unless the spooler lists it too.
std::vector<std::string> ListedPrinters() {
    constexpr DWORD kWhich = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD size = 0;
    DWORD count = 0;
    EnumPrintersA(kWhich, nullptr, 4, nullptr, 0, &size, &count);
    std::vector<std::string> names;
    if (size == 0) {
        return names;
    }
    std::vector<BYTE> buffer(size);
    if (!EnumPrintersA(kWhich, nullptr, 4, buffer.data(), size, &size, &count)) {
        return names;
    }
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        if (printers[i].pPrinterName != nullptr) {
            names.emplace_back(printers[i].pPrinterName);
        }
    }
    return names;
}

} // namespace

std::string GdiDefaultPrinter() {
    DWORD size = 0;
    GetDefaultPrinterA(nullptr, &size);
    if (size <= 1) {
        return {};
    }
    std::string name(size, '\0');
    if (!GetDefaultPrinterA(name.data(), &size)) {
        return {};
    }
    name.resize(name.find('\0'));
    return name;
}

bool GdiPrinterExists(std::string_view name) {
    const std::string wanted = AsciiUpper(name.empty() ? GdiDefaultPrinter() : std::string(name));
    if (wanted.empty()) {
        return false;
    }
    for (const auto& printer : ListedPrinters()) {
        if (AsciiUpper(printer) == wanted) {
            return true;
        }
    }
    return false;
}

} // namespace zel::win32
