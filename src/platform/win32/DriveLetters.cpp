#include "platform/win32/DriveLetters.h"

#include "platform/win32/Windows.h"

namespace zel::win32 {

std::vector<char> PresentDriveLetters() {
    std::vector<char> letters;
    const DWORD mask = GetLogicalDrives();
    for (int index = 0; index < 26; ++index) {
        if ((mask & (1U << index)) != 0) {
            letters.push_back(static_cast<char>('A' + index));
        }
    }
    return letters;
}

} // namespace zel::win32
