#include "winui/DriveComboBox.h"

#include "text/WideText.h"

#include <string>

namespace zel {
void ShowDriveEntries(HWND comboBox, const std::vector<std::string>& entries, std::size_t chosen) {
    SendMessageW(comboBox, CB_RESETCONTENT, 0, 0);
    for (const std::string& entry : entries) {
        SendMessageW(comboBox, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(WideFromCp1250(entry).c_str()));
    }
    if (chosen < entries.size()) {
        SendMessageW(comboBox, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
    }
}

} // namespace zel
