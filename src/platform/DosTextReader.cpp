#include "platform/DosTextReader.h"

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
    std::string line;
    while (HasByte()) {
        const char c = m_block[m_position];
        if (c == kEndOfText) {
            break;
        }
        ++m_position;
        if (c == '\n') {
            break;
        }
        if (c == '\r') {
            if (m_lineEnd == LineEnd::LfDroppingCr) {
                continue;
            }
            if (HasByte() && m_block[m_position] == '\n') {
                ++m_position;
            }
            break;
        }
        if (line.size() < m_capacity) {
            line.push_back(c);
        }
    }
    return line;
}

} // namespace zel
