#pragma once
// One job of the print relay: the bytes a program printed, and the printer and queue name
// they were meant for.

#include <string>

namespace zel {

struct RawJob {
    std::string printer; // empty: the default printer
    std::string title;
    std::string bytes;
    bool operator==(const RawJob&) const = default;
};

} // namespace zel
