#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace zel::test {

TempDir::TempDir() {
#ifdef _WIN32
    // A new folder under a name no other test took: create_directory fails on an existing one.
    std::random_device random;
    for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
        const fs::path candidate =
            fs::temp_directory_path() / ("zeltest-" + std::to_string(random() % 1000000000U));
        if (fs::create_directory(candidate)) {
            m_path = fs::canonical(candidate);
        }
    }
    if (m_path.empty()) {
        throw std::runtime_error("no temporary folder");
    }
#else
    std::string pattern = (fs::temp_directory_path() / "zeltest-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    m_path = fs::canonical(pattern);
#endif
}

TempDir::~TempDir() {
    std::error_code ec;
    // A test may leave read-only folders behind; give the owner write access back first.
    for (fs::recursive_directory_iterator it(m_path, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ignored;
        if (!it->is_symlink(ignored)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        }
    }
    fs::remove_all(m_path, ec);
}

void WriteNativeFile(const fs::path& path, std::string_view bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::string ReadNativeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace zel::test
