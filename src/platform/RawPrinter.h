#pragma once
// Where the print relay's jobs go, byte for byte: the desktop's print spooler, or in tests
// a printer that refuses.

#include <string>
#include <string_view>

namespace zel {

class RawPrinter {
public:
    virtual ~RawPrinter() = default;

    // True only once the spooler has accepted the whole job. An empty name is the default
    // printer.
    [[nodiscard]] virtual bool Print(const std::string& printer, std::string_view title,
                                     std::string_view bytes) = 0;
};

} // namespace zel
