#include "platform/win32/WinspoolRawPrinter.h"

#include "platform/win32/GdiPrinters.h"
#include "platform/win32/Windows.h"

#include <algorithm>
#include <winspool.h>

namespace zel::win32 {
namespace {

class OpenedPrinter final {
public:
    explicit OpenedPrinter(std::string name) {
        if (!name.empty() && !OpenPrinterA(name.data(), &m_handle, nullptr)) {
            m_handle = nullptr;
        }
    }
    ~OpenedPrinter() {
        if (m_handle != nullptr) {
            ClosePrinter(m_handle);
        }
    }
    OpenedPrinter(const OpenedPrinter&) = delete;
    OpenedPrinter& operator=(const OpenedPrinter&) = delete;

    [[nodiscard]] HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle = nullptr;
};

bool WriteAll(HANDLE printer, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD part = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 20));
        DWORD written = 0;
        if (!WritePrinter(printer, const_cast<char*>(bytes.data()), part, &written) ||
            written == 0 || written > part) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

} // namespace

RawPrintOutcome WinspoolRawPrinter::Print(const std::string& printer, std::string_view title,
                                          std::string_view bytes) {
    const OpenedPrinter opened(printer.empty() ? GdiDefaultPrinter() : printer);
    if (opened.Get() == nullptr) {
        // Only a name the spooler does not know makes the printer gone; anything else may pass.
        return !printer.empty() && GetLastError() == ERROR_INVALID_PRINTER_NAME
                   ? RawPrintOutcome::NoSuchPrinter
                   : RawPrintOutcome::Refused;
    }
    std::string name(title);
    char datatype[] = "RAW";
    DOC_INFO_1A document{name.data(), nullptr, datatype};
    if (StartDocPrinterA(opened.Get(), 1, reinterpret_cast<BYTE*>(&document)) == 0) {
        return RawPrintOutcome::Refused;
    }
    const bool written = StartPagePrinter(opened.Get()) && WriteAll(opened.Get(), bytes) &&
                         EndPagePrinter(opened.Get());
    // A job that did not go whole is taken back, so that no half of it prints.
    if (!written) {
        AbortPrinter(opened.Get());
        return RawPrintOutcome::Refused;
    }
    return EndDocPrinter(opened.Get()) != FALSE ? RawPrintOutcome::Accepted
                                                : RawPrintOutcome::Refused;
}

} // namespace zel::win32
