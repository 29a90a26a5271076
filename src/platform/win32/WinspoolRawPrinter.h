#pragma once
// Raw jobs through the Windows spooler: the data goes to the printer unconverted, in its own
// codes, as a DOS program sent it to its port.

#include "platform/RawPrinter.h"

namespace zel::win32 {

class WinspoolRawPrinter final : public RawPrinter {
public:
    RawPrintOutcome Print(const std::string& printer, std::string_view title,
                          std::string_view bytes) override;
};

} // namespace zel::win32
