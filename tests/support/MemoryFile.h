#pragma once
// A print file held in memory, read in the pieces the reader asks for.

#include "platform/FileStreams.h"

#include <string>

namespace zel::test {

class MemoryFile final : public InputFile {
public:
    explicit MemoryFile(std::string bytes) : m_bytes(std::move(bytes)) {}
    std::uint64_t Size() override { return m_bytes.size(); }
    std::string Read(std::size_t maxBytes) override {
        std::string piece = m_bytes.substr(m_pos, maxBytes);
        m_pos += piece.size();
        return piece;
    }

private:
    std::string m_bytes;
    std::size_t m_pos = 0;
};

} // namespace zel::test
