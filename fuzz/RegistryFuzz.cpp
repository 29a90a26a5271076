// The prefix's system.reg of any bytes: drive types only for the letters A to Z.

#include "platform/posix/WineRegistry.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto types = zel::posix::ParseRegistryDriveTypes(
        std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& [letter, type] : types) {
        if (letter < 'A' || letter > 'Z') {
            std::abort();
        }
    }
    return 0;
}
