#pragma once
// The desktop printer of the Windows edition: the printer and settings chosen in the printer
// setup dialog, or until then the default printer, and the documents made on it through the
// spooler. A document counts as printed only when the spooler has taken all of it; a failure
// drops the document, so that no half job reaches the printer.

#include "winprint/PrintDevice.h"

#include <cstddef>
#include <string>
#include <vector>

namespace zel {

class GdiPrinter final : public PrintDevice {
public:
    GdiPrinter() = default;
    ~GdiPrinter() override;
    GdiPrinter(const GdiPrinter&) = delete;
    GdiPrinter& operator=(const GdiPrinter&) = delete;

    // The printer setup dialog, which blocks owner while it is up; what the user chooses
    // serves every later document, and cancelling changes nothing. True when chosen.
    bool Setup(HWND owner);
    // Later documents go to the named printer with its own settings.
    void Select(std::wstring name);
    // Code page 1250; empty while the default printer serves.
    [[nodiscard]] std::string ChosenName() const;

    PageSize PrintableArea() override;
    HDC BeginDocument(std::string_view title) override;
    void NewPage() override;
    void EndDocument() override;
    void AbortDocument() noexcept override;

private:
    // The chosen printer, else the default one; throws when there is none.
    [[nodiscard]] std::wstring PrinterName() const;
    [[nodiscard]] const DEVMODEW* Settings() const;
    [[nodiscard]] HDC OpenContext(bool forDrawing, const std::wstring& printer) const;
    [[noreturn]] void Fail(const char* utf8Text, const std::wstring& printer);

    std::wstring m_name;
    // The chosen printer's DEVMODEW as the dialog gave it; empty: the driver's defaults.
    std::vector<std::byte> m_settings;
    HDC m_document = nullptr;
    std::wstring m_documentPrinter;
};

} // namespace zel
