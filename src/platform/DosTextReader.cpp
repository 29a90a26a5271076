#include "platform/DosTextReader.h"

#include <cstdint>
#include <utility>

namespace zel {
namespace {

constexpr std::size_t kBlockSize = std::size_t{64} * 1024;
constexpr char kEndOfText = '\x1A';

} // namespace

DosTextReader::DosTextReader(InputFile& file, LineEnd lineEnd, std::size_t lineCapacity)
    : m_file(file), m_lineEnd(lineEnd), m_capacity(lineCapacity) {}

bool DosTextReader::HasByte() {
    while (m_position >= m_block.size()) {
        if (m_fileDone) {
            return false;
        }
        m_block = m_file.Read(kBlockSize);
        m_position = 0;
        m_fileDone = m_block.size() < kBlockSize;
    }
    return true;
}

bool DosTextReader::AtEnd() {
    return !HasByte() || m_block[m_position] == kEndOfText;
}

std::string DosTextReader::ReadLine() {
    std::size_t unlimited = SIZE_MAX;
    // Without a budget the line always ends: there is nothing to learn from the answer.
    (void)ContinueLine(unlimited);
    return TakeLine();
}

bool DosTextReader::ContinueLine(std::size_t& budget) {
    while (budget > 0) {
        if (!HasByte()) {
            return true;
        }
        const char c = m_block[m_position];
        if (c == kEndOfText) {
            return true;
        }
        ++m_position;
        --budget;
        if (c == '\n') {
            return true;
        }
        if (c == '\r') {
            if (m_lineEnd == LineEnd::LfDroppingCr) {
                continue;
            }
            if (HasByte() && m_block[m_position] == '\n') {
                ++m_position;
            }
            return true;
        }
        if (m_line.size() < m_capacity) {
            m_line.push_back(c);
        }
    }
    return false;
}

std::string DosTextReader::TakeLine() {
    return std::exchange(m_line, {});
}

} // namespace zel
