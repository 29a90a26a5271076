#pragma once
// Whether an accounting program still holds a file: the answer to "would this open
// succeed?" without holding anything. One probe answers from one look at the machine, so a
// spool tick that asks about many files pays for that look once.

#include <string_view>

namespace zel {

class SharingProbe {
public:
    virtual ~SharingProbe() = default;
    // Open for reading and writing with exclusive sharing.
    [[nodiscard]] virtual bool CanOpenExclusive(std::string_view dosPath) = 0;
    // Open for reading and writing while denying write to others.
    [[nodiscard]] virtual bool CanOpenDenyWrite(std::string_view dosPath) = 0;
};

} // namespace zel
