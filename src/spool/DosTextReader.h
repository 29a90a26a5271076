#pragma once
// A DOS text file line by line, as the accounting programs write it: lines end in CR LF
// (a lone LF or CR also ends one), a Ctrl-Z ends the text, and a line is read up to its
// capacity with the rest skipped. Read in blocks, so a print file of any size costs little.

#include "platform/FileStreams.h"

#include <cstddef>
#include <string>

namespace zel {

class DosTextReader final {
public:
    DosTextReader(InputFile& file, std::size_t lineCapacity);

    // True at the end of the file or at a Ctrl-Z.
    [[nodiscard]] bool AtEnd();
    std::string ReadLine();

private:
    // False when the file has nothing more.
    bool Fill();

    InputFile& m_file;
    std::size_t m_capacity;
    std::string m_buffer;
    std::size_t m_pos = 0;
    bool m_fileDone = false;
    bool m_textDone = false;
};

} // namespace zel
