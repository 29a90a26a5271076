#pragma once
// A server that takes every connection on a local socket and never answers, as a stopped
// print server does.

#include <filesystem>

namespace zel::test {

class SilentServer final {
public:
    explicit SilentServer(const std::filesystem::path& socket);
    // The connections still waiting are reset.
    ~SilentServer();
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    [[nodiscard]] bool Listening() const { return m_listening; }

private:
    int m_fd;
    bool m_listening = false;
};

} // namespace zel::test
