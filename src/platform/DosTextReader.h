#pragma once
// Text files line by line, the way the old run-time library read them: Ctrl-Z ends the
// text, and only the first characters of a long line are kept while the rest is skipped.
// Read a block at a time, so no line or file size costs memory.

#include "platform/FileStreams.h"

#include <cstddef>
#include <string>

namespace zel {

enum class LineEnd {
    // ZELPULT.INI: a line ends at LF, and a CR anywhere is dropped.
    LfDroppingCr,
    // Print lists: CR LF, a lone CR or a lone LF ends a line.
    CrOrLf,
};

class DosTextReader final {
public:
    DosTextReader(InputFile& file, LineEnd lineEnd, std::size_t lineCapacity);

    // True at the end of the file or at a Ctrl-Z. Read errors throw IoError.
    [[nodiscard]] bool AtEnd();
    // The next line without its end.
    std::string ReadLine();
    // Reads on in the current line, looking at no more bytes than budget holds and taking
    // those it looked at from it; true when the line has ended, and TakeLine then gives it.
    // A line of gigabytes without an end can so be read a slice at a time.
    [[nodiscard]] bool ContinueLine(std::size_t& budget);
    std::string TakeLine();

private:
    // False when the file has nothing more.
    bool HasByte();

    InputFile& m_file;
    LineEnd m_lineEnd;
    std::size_t m_capacity;
    std::string m_block;
    std::size_t m_position = 0;
    bool m_fileDone = false;
    std::string m_line;
};

} // namespace zel
