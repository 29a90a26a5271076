#pragma once
// Whether an accounting program still holds a file: the answer to "would this open
// succeed?" without holding anything. One probe answers from one look at the machine, so a
// spool tick that asks about many files pays for that look once.

#include "platform/DosTypes.h"

#include <optional>
#include <string_view>

namespace zel {

struct SharingAnswer {
    bool canOpen = false;
    // The entry's own stamp, where the probe read it on the way (an entry that is no link):
    // a spool tick stamps each list it probes, and this spares it a second look-up, a round
    // trip on a shared folder.
    std::optional<FileStamp> stamp;

    explicit operator bool() const { return canOpen; }
};

class SharingProbe {
public:
    virtual ~SharingProbe() = default;
    // Open for reading and writing with exclusive sharing.
    [[nodiscard]] virtual SharingAnswer CanOpenExclusive(std::string_view dosPath) = 0;
    // Open for reading and writing while denying write to others.
    [[nodiscard]] virtual SharingAnswer CanOpenDenyWrite(std::string_view dosPath) = 0;
};

} // namespace zel
