#include "platform/posix/DescriptorOutput.h"

#include "platform/posix/WriteAll.h"

#include <string_view>

namespace zel::posix {

DescriptorOutput::int_type DescriptorOutput::overflow(int_type byte) {
    if (traits_type::eq_int_type(byte, traits_type::eof())) {
        return traits_type::not_eof(byte);
    }
    const char one = traits_type::to_char_type(byte);
    return WriteAll(m_fd, std::string_view(&one, 1)) == 0 ? byte : traits_type::eof();
}

std::streamsize DescriptorOutput::xsputn(const char* bytes, std::streamsize count) {
    return WriteAll(m_fd, std::string_view(bytes, static_cast<std::size_t>(count))) == 0 ? count
                                                                                         : 0;
}

} // namespace zel::posix
