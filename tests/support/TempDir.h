#pragma once
// A temporary folder that lives as long as the test that made it.

#include <filesystem>

namespace zel::test {

class TempDir final {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Writes bytes to a native file, making its folders.
void WriteNativeFile(const std::filesystem::path& path, std::string_view bytes);
std::string ReadNativeFile(const std::filesystem::path& path);

} // namespace zel::test
