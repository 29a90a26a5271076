#include "platform/WholeFile.h"

#include "platform/IoError.h"
#include "text/DosPath.h"

namespace zel {

std::string ReadWholeFile(Platform& platform, std::string_view dosPath) {
    constexpr std::size_t kBlock = 64 * 1024;
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

std::string ReplacementName(std::string_view dosPath) {
    return std::string(DirectoryPart(dosPath)) + "~" + std::string(FileNamePart(dosPath));
}

bool ReplaceWholeFile(Platform& platform, std::string_view dosPath, std::string_view bytes) {
    const std::string temporary = ReplacementName(dosPath);
    try {
        auto file = platform.CreateForWrite(temporary);
        file->Write(bytes);
        file->Close();
    } catch (const IoError&) {
        (void)platform.DeleteFile(temporary);
        return false;
    }
    if (!platform.RenameFile(temporary, dosPath)) {
        (void)platform.DeleteFile(temporary);
        return false;
    }
    return true;
}

} // namespace zel
