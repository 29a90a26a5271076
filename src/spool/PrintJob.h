#pragma once
// One print file of the spool folder. The accounting programs name their lists "ws*.A17",
// the extension carrying the product letter and year of the writer; the first line carries
// the list's name, year and page values as fields opened by the mark byte 0xAD.

#include "platform/DosTypes.h"

#include <optional>
#include <string>
#include <string_view>

namespace zel {

inline constexpr char kFieldMark = '\xAD';
inline constexpr std::size_t kPrintLineCapacity = 255;

enum class SpoolFileKind {
    Waiting,  // a print list that its writer has finished naming
    Leftover, // renamed for printing by a cycle that never came back to it
    Other,
};

// Only the first 12 characters (an 8.3 name) count; the extension is what follows their
// first ".", at most three characters.
std::string_view SpoolExtension(std::string_view fileName);
// A list or leftover name must end in its extension: renaming "ws1.A17.TXT" for printing
// would give a name that no later scan recognised as ours.
SpoolFileKind ClassifySpoolFile(std::string_view fileName);
// The name a list is printed under: its extension replaced by "WPR".
std::string PrintingName(std::string_view fileName);

// The header fields the job lists show; texts are code page 1250.
struct PrintHeader {
    bool recognised = false;
    std::string listName; // field "0", with its DOS letters converted and trailing spaces cut
    std::string year;     // field "3", as written
    std::string page;     // field "4", "Oldal"
    std::string band;     // field "2", "Sáv"
};

// The first line of a print file up to its end of line, or the end of the text.
std::string FirstLine(std::string_view bytes);
PrintHeader ParsePrintHeader(std::string_view firstLine);
// A waiting name for a list found under its printing name, left by a launcher that is gone:
// the year comes from the header, and the product letter, which only the lost name held,
// is taken as "A" (nothing shows or needs it).
std::string WaitingNameFor(std::string_view printingName, const PrintHeader& header);

struct PrintJob {
    std::string fileName; // as the folder search gave it
    PrintHeader header;
    std::optional<LocalDateTime> lastWrite;
};

} // namespace zel
