#pragma once
// Environment variables a test world changes, given back as they were when it ends.

#include <map>
#include <optional>
#include <string>

namespace zel::test {

class ScopedEnvironment final {
public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    void Set(const std::string& name, const std::string& value);
    void Unset(const std::string& name);

private:
    void Remember(const std::string& name);

    std::map<std::string, std::optional<std::string>> m_saved;
};

} // namespace zel::test
