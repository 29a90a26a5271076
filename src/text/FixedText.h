#pragma once
// The accounting programs and the stored files were made for fields of fixed length: a text
// assigned to such a field keeps its first characters, without a word about the rest.

#include <cstddef>
#include <string>
#include <string_view>

namespace zel {

template <std::size_t Capacity> class FixedText final {
public:
    static constexpr std::size_t capacity = Capacity;

    FixedText() = default;
    FixedText(std::string_view text) { Assign(text); } // NOLINT(google-explicit-constructor)

    void Assign(std::string_view text) { m_text.assign(text.substr(0, Capacity)); }
    FixedText& operator=(std::string_view text) {
        Assign(text);
        return *this;
    }

    [[nodiscard]] const std::string& str() const { return m_text; }
    [[nodiscard]] std::string_view view() const { return m_text; }
    operator std::string_view() const { return m_text; } // NOLINT(google-explicit-constructor)
    [[nodiscard]] bool empty() const { return m_text.empty(); }
    [[nodiscard]] std::size_t size() const { return m_text.size(); }
    [[nodiscard]] char front() const { return m_text.empty() ? '\0' : m_text.front(); }
    void SetFront(char c) {
        if (!m_text.empty()) {
            m_text.front() = c;
        }
    }

    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }

private:
    std::string m_text;
};

// Capacities of the texts the accounting programs exchange with the launcher.
inline constexpr std::size_t kPathCapacity = 255;

inline std::string CutText(std::string_view text, std::size_t capacity) {
    return std::string(text.substr(0, capacity));
}

} // namespace zel
