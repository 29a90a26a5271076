#include "winui/DriveComboBox.h"

#include "config/DriveList.h"
#include "winui/WideText.h"

#include <string>

namespace zel {
namespace {

char UpperLetter(wchar_t c) {
    const wchar_t upper = c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
    return upper >= L'A' && upper <= L'Z' ? static_cast<char>(upper) : '\0';
}

char EntryLetter(HWND comboBox, LRESULT index) {
    const LRESULT length = SendMessageW(comboBox, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) {
        return '\0';
    }
    std::wstring entry(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(comboBox, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(entry.data()));
    return UpperLetter(entry.front());
}

} // namespace

void FillDriveList(HWND comboBox, Platform& platform) {
    SendMessageW(comboBox, CB_RESETCONTENT, 0, 0);
    for (const std::string& entry : ReadDriveList(platform)) {
        SendMessageW(comboBox, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(WideFromCp1250(entry).c_str()));
    }
}

char ChosenDrive(HWND comboBox) {
    const LRESULT index = SendMessageW(comboBox, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? '\0' : EntryLetter(comboBox, index);
}

void ChooseDrive(HWND comboBox, char letter) {
    const char wanted = UpperLetter(static_cast<wchar_t>(static_cast<unsigned char>(letter)));
    const LRESULT count = SendMessageW(comboBox, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; wanted != '\0' && i < count; ++i) {
        if (EntryLetter(comboBox, i) == wanted) {
            SendMessageW(comboBox, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            return;
        }
    }
}

} // namespace zel
