#include "config/DriveMarking.h"

#include "text/AsciiUpper.h"

namespace zel {

DriveTable MarkDrives(const std::vector<std::string>& entries) {
    DriveTable table;
    for (const std::string& entry : entries) {
        if (entry.empty()) {
            continue;
        }
        const bool beyondFloppies = static_cast<unsigned char>(entry.front()) > 'b';
        if (beyondFloppies && entry.find('[') != std::string::npos &&
            entry.find("no volume label") == std::string::npos) {
            table.Mark(AsciiUpper(entry.front()));
        }
    }
    return table;
}

} // namespace zel
