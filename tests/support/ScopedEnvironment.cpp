#include "support/ScopedEnvironment.h"

#include <cstdlib>

namespace zel::test {

ScopedEnvironment::~ScopedEnvironment() {
    for (const auto& [name, value] : m_saved) {
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }
}

void ScopedEnvironment::Remember(const std::string& name) {
    if (m_saved.contains(name)) {
        return;
    }
    const char* value = std::getenv(name.c_str());
    m_saved[name] = value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

void ScopedEnvironment::Set(const std::string& name, const std::string& value) {
    Remember(name);
    ::setenv(name.c_str(), value.c_str(), 1);
}

void ScopedEnvironment::Unset(const std::string& name) {
    Remember(name);
    ::unsetenv(name.c_str());
}

} // namespace zel::test
