#pragma once
// Files read and written through Windows handles, for the Platform's file streams.

#include "platform/FileStreams.h"

#include <cstdint>
#include <memory>
#include <string>

namespace zel::win32 {

// Read with others free to read and write, as the accounting programs keep their files
// open. Throws IoError; a folder is refused as access denied.
std::unique_ptr<InputFile> OpenHandleForRead(const std::string& path);
// Only a regular file of one name that is itself at path: no reparse point (a link), no
// link of the host that Wine follows, no folder, no device such as NUL or a pipe.
std::unique_ptr<InputFile> OpenRegularHandleForRead(const std::string& path);
// Whether the open handle is a regular file on a disk, of one name, and no reparse point.
[[nodiscard]] bool IsFileOfItsOwn(void* handle);
// The size of an open file, and up to maxBytes from where its handle stands; they throw
// IoError.
[[nodiscard]] std::uint64_t HandleSize(void* handle);
[[nodiscard]] std::string ReadHandle(void* handle, std::size_t maxBytes);
// Creates or truncates; others may read meanwhile.
std::unique_ptr<OutputFile> CreateHandleForWrite(const std::string& path);

// The ways of a handle for the replacement file, which writes through one as well.
class HandleOutputFile : public OutputFile {
public:
    explicit HandleOutputFile(void* handle) : m_handle(handle) {}
    ~HandleOutputFile() override;
    HandleOutputFile(const HandleOutputFile&) = delete;
    HandleOutputFile& operator=(const HandleOutputFile&) = delete;

    void Write(std::string_view bytes) override;
    void Close() override;

protected:
    [[nodiscard]] bool IsOpen() const;

private:
    void* m_handle;
};

} // namespace zel::win32
