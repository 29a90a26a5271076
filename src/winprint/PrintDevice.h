#pragma once
// Where the GDI canvas's documents go: the desktop printer, or in tests a page in memory. The
// canvas draws on the device context of the current page and leaves the document's life to
// the device.
//
// Failures throw, with a text fit to show the user.

#include "spool/Canvas.h"

#include <string_view>
#include <windows.h>

namespace zel {

class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    // In device pixels.
    [[nodiscard]] virtual PageSize PrintableArea() = 0;
    // Begins the document and its first page; the context serves until the document ends.
    [[nodiscard]] virtual HDC BeginDocument(std::string_view title) = 0;
    virtual void NewPage() = 0;
    // Returns when the printing system has accepted the whole document.
    virtual void EndDocument() = 0;
    virtual void AbortDocument() noexcept = 0;
};

} // namespace zel
