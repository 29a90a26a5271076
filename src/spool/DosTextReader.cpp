#include "spool/DosTextReader.h"

#include <algorithm>
#include <string_view>

namespace zel {
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;
constexpr char kCtrlZ = '\x1A';
constexpr std::string_view kStops("\r\n\x1A", 3);

} // namespace

DosTextReader::DosTextReader(InputFile& file, std::size_t lineCapacity)
    : m_file(file), m_capacity(lineCapacity) {}

bool DosTextReader::Fill() {
    if (m_pos < m_buffer.size()) {
        return true;
    }
    if (m_fileDone) {
        return false;
    }
    m_buffer = m_file.Read(kBlockSize);
    m_pos = 0;
    if (m_buffer.empty()) {
        m_fileDone = true;
        return false;
    }
    return true;
}

bool DosTextReader::AtEnd() {
    if (!m_textDone && Fill() && m_buffer[m_pos] == kCtrlZ) {
        m_textDone = true;
    }
    return m_textDone || !Fill();
}

std::string DosTextReader::ReadLine() {
    std::string line;
    while (!m_textDone && Fill()) {
        const std::string_view rest = std::string_view(m_buffer).substr(m_pos);
        const std::size_t stop = std::min(rest.find_first_of(kStops), rest.size());
        if (line.size() < m_capacity) {
            line.append(rest.substr(0, std::min(stop, m_capacity - line.size())));
        }
        m_pos += stop;
        if (stop == rest.size()) {
            continue;
        }
        const char end = m_buffer[m_pos];
        if (end == kCtrlZ) {
            m_textDone = true;
            break;
        }
        ++m_pos;
        if (end == '\r' && Fill() && m_buffer[m_pos] == '\n') {
            ++m_pos;
        }
        break;
    }
    return line;
}

} // namespace zel
