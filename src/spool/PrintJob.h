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
    Printing, // taken for printing by a launcher, whose mark its name carries
    Leftover, // renamed for printing by a launcher of an earlier version ("ws0001.WPR")
    Other,
};

// Only the first 12 characters (an 8.3 name) count; the extension is what follows their
// first ".", at most three characters.
std::string_view SpoolExtension(std::string_view fileName);
// A list or leftover name must end in its extension: renaming "ws1.A17.TXT" for printing
// would give a name that no later scan recognised as ours. Only a plain name is a spool
// file at all: one that could lead out of the folder ("ws.B17\..\x.B17") is none.
SpoolFileKind ClassifySpoolFile(std::string_view fileName);

// A launcher's mark in the names it prints under: a few letters and digits, made once per
// run, so that each launcher's printing names differ from every other's.
[[nodiscard]] std::string MakeLauncherMark();
// The name a list is printed under: its own name, the launcher's mark and the extension
// "WPR" ("ws0001.A17.K3F9Q2ZD.WPR"). The waiting name inside it is where the list goes back
// to, whoever finds it. Launchers of earlier versions took a name that does not end in its
// own extension for none of theirs, so they never take it for a leftover.
[[nodiscard]] std::string PrintingName(std::string_view fileName, std::string_view mark);
// The waiting name inside a printing name; empty for any other name.
[[nodiscard]] std::string WaitingNameOfPrinting(std::string_view printingName);

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
// A waiting name for a list found under an earlier version's printing name ("ws0001.WPR"),
// left by a launcher that is gone: the year comes from the header, and the product letter, which
// only the lost name held, is taken as "A" (nothing shows or needs it).
std::string WaitingNameFor(std::string_view printingName, const PrintHeader& header);

struct PrintJob {
    std::string fileName; // as the folder search gave it
    PrintHeader header;
    std::optional<LocalDateTime> lastWrite;
};

} // namespace zel
