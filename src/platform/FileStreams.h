#pragma once
// Files read and written a block at a time, for the copies that show their progress.
// Every failure throws IoError with the run-time library's text.

#include <cstddef>
#include <cstdint>
#include <string>

namespace zel {

class InputFile {
public:
    virtual ~InputFile() = default;
    [[nodiscard]] virtual std::uint64_t Size() = 0;
    // Up to maxBytes; fewer only at the end of the file.
    virtual std::string Read(std::size_t maxBytes) = 0;
};

class OutputFile {
public:
    virtual ~OutputFile() = default;
    virtual void Write(std::string_view bytes) = 0;
    // Flushes and closes; a failure to get the bytes onto the medium throws here.
    virtual void Close() = 0;
};

} // namespace zel
