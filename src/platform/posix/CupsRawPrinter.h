#pragma once
// Raw jobs through CUPS: the data goes to the queue unconverted, in the printer's own codes,
// as a DOS program sent it to its port.

#include "platform/RawPrinter.h"

namespace zel::posix {

class CupsRawPrinter final : public RawPrinter {
public:
    RawPrintOutcome Print(const std::string& printer, std::string_view title,
                          std::string_view bytes) override;
};

// Whether CUPS knows the printer of that name (empty: whether it has a default one).
[[nodiscard]] bool CupsHasPrinter(const std::string& printer);

} // namespace zel::posix
