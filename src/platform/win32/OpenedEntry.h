#pragma once
// What an open handle tells of the entry it was opened on: the stamp a spool tick compares,
// and whether the entry is a link (a reparse point) rather than a file of its own.

#include "platform/DosTypes.h"
#include "platform/win32/Windows.h"

#include <optional>

namespace zel::win32 {

struct OpenedEntry {
    FileStamp stamp;
    bool reparsePoint = false;
};

[[nodiscard]] std::optional<OpenedEntry> ReadOpenedEntry(HANDLE file);

} // namespace zel::win32
