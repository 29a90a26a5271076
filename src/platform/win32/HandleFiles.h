#pragma once
// Files read and written through Windows handles, for the Platform's file streams.

#include "platform/FileStreams.h"

#include <memory>
#include <string>

namespace zel::win32 {

// Read with others free to read and write, as the accounting programs keep their files
// open. Throws IoError; a folder is refused as access denied.
std::unique_ptr<InputFile> OpenHandleForRead(const std::string& path);
// Only a regular file that is itself at path: no reparse point (a link), no folder, no
// device such as NUL or a pipe.
std::unique_ptr<InputFile> OpenRegularHandleForRead(const std::string& path);
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
