#include "platform/WholeFile.h"

namespace zel {

std::string ReadWholeFile(Platform& platform, std::string_view dosPath) {
    constexpr std::size_t kBlock = std::size_t{64} * 1024;
    auto file = platform.OpenForRead(dosPath);
    std::string bytes;
    for (;;) {
        std::string block = file->Read(kBlock);
        bytes += block;
        if (block.size() < kBlock) {
            return bytes;
        }
    }
}

std::optional<IoErrorKind> ReplaceWholeFile(Platform& platform, std::string_view dosPath,
                                            std::string_view bytes) {
    try {
        auto file = platform.CreateReplacement(dosPath);
        file->Write(bytes);
        file->Close();
    } catch (const IoError& error) {
        return error.Kind();
    }
    return std::nullopt;
}

} // namespace zel
