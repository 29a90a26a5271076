#pragma once
// The printing side of the print page: the spool's tick onto the face's printer and grids,
// and the printer setup. The printer is the face's, so the face carries them out.

#include "spool/PrintSpool.h"

namespace zel {

class PrintPage {
public:
    virtual ~PrintPage() = default;
    virtual SpoolTickResult Tick(bool printingEnabled) = 0;
    // The printer setup dialog; the panel is blocked while it is up. Returns the printer a
    // DOS program's own printing goes to from now on: the one chosen in a confirmed setup,
    // or empty for the default one.
    [[nodiscard]] virtual std::string SetupPrinter() = 0;
};

} // namespace zel
