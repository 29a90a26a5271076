#pragma once
// A folder of this process's own under the temporary folder, for files no one else may reach
// or replace: made new with the user's permissions alone, and removed with what it holds when
// its owner goes. A link found in it is removed, never followed.

#include <filesystem>
#include <memory>
#include <string_view>

namespace zel::posix {

class PrivateFolder final {
public:
    // Named after stem; null when it cannot be made.
    [[nodiscard]] static std::unique_ptr<PrivateFolder> Make(std::string_view stem);
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const { return m_path; }

private:
    explicit PrivateFolder(std::filesystem::path path) : m_path(std::move(path)) {}

    std::filesystem::path m_path;
};

} // namespace zel::posix
