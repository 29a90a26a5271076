#include "winui/CommandForwarding.h"

#include "panel/ControlEvents.h"
#include "winui/Controls.h"

#include <string>

namespace zel {
namespace {

bool IsClass(HWND control, const wchar_t* windowClass) {
    wchar_t kind[16] = {};
    GetClassNameW(control, kind, 16);
    return lstrcmpiW(kind, windowClass) == 0;
}

LONG_PTR StyleOf(HWND control) {
    return GetWindowLongPtrW(control, GWL_STYLE);
}

void ForwardButton(ControlEvents& events, std::string_view name, HWND control, int notification) {
    if (notification != BN_CLICKED) {
        return;
    }
    events.Clicked(name);
    const LONG_PTR type = StyleOf(control) & BS_TYPEMASK;
    if (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX) {
        events.Checked(name, SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
    }
}

void ForwardComboBox(ControlEvents& events, std::string_view name, HWND control, int notification) {
    const bool listOnly = (StyleOf(control) & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST;
    if (notification == CBN_SELCHANGE) {
        const auto chosen = SendMessageW(control, CB_GETCURSEL, 0, 0);
        if (chosen != CB_ERR && listOnly) {
            events.Chosen(name, static_cast<std::size_t>(chosen));
        } else if (chosen != CB_ERR) {
            // The edit field shows the chosen entry only after this notification.
            std::wstring entry(
                static_cast<std::size_t>(SendMessageW(control, CB_GETLBTEXTLEN, chosen, 0)), L'\0');
            SendMessageW(control, CB_GETLBTEXT, chosen, reinterpret_cast<LPARAM>(entry.data()));
            SetWindowTextW(control, entry.c_str());
        }
    }
    if (notification == CBN_SELCHANGE || notification == CBN_EDITCHANGE) {
        events.Changed(name, ControlText(control));
    }
}

} // namespace

void ForwardCommand(ControlEvents& events, std::string_view name, HWND control, int notification) {
    if (control == nullptr) {
        return;
    }
    if (IsClass(control, L"Button")) {
        ForwardButton(events, name, control, notification);
    } else if (IsClass(control, L"ComboBox")) {
        ForwardComboBox(events, name, control, notification);
    } else if (notification == EN_SETFOCUS) {
        events.Entered(name);
    } else if (notification == EN_CHANGE) {
        events.Changed(name, ControlText(control));
    }
}

} // namespace zel
