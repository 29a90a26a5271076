#pragma once
// One print list in the spool's queue, as the cycle found it: what identifies the file and
// what the job lists show of it. The queue keeps these records; the grids only draw them.

#include <string>

namespace zel {

// Texts in code page 1250.
struct JobRecord {
    // The name the list waits under in the spool folder.
    std::string fileName;
    // The header's list name, or the file name when the header is not recognised.
    std::string listName;
    // The program's year with ". év", or empty.
    std::string program;
    // The file's last-write time as the user's locale writes it.
    std::string printTime;
    std::string page;
    std::string band;

    friend bool operator==(const JobRecord&, const JobRecord&) = default;
};

} // namespace zel
