#pragma once
// Lines of a text file read the way the old run-time library read them, which is what
// ZELPULT.INI files written by hand or by earlier versions rely on: a line ends at LF, a CR
// anywhere is dropped, Ctrl-Z ends the file, and only the first 255 characters of a line
// are kept. The file is read a block at a time, so no line or file size costs memory.

#include "platform/FileStreams.h"

#include <string>

namespace zel {

inline constexpr std::size_t kTextLineCapacity = 255;

class DosTextReader final {
public:
    explicit DosTextReader(InputFile& file) : m_file(file) {}

    // True at the end of the file or at a Ctrl-Z. Read errors throw IoError.
    [[nodiscard]] bool AtEnd();
    // The next line without its end; the rest of a longer line is skipped.
    std::string ReadLine();

private:
    // False at the end of the file.
    bool HasByte();

    InputFile& m_file;
    std::string m_block;
    std::size_t m_position = 0;
    bool m_lastBlock = false;
};

} // namespace zel
