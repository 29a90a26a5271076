#include "WindowWaits.h"

#include "winui/Controls.h"

namespace zel::test {
namespace {

struct ProcessWindowSearch {
    DWORD processId;
    std::function<bool(HWND)> fits;
    HWND found = nullptr;
};

BOOL CALLBACK TakeProcessWindow(HWND window, LPARAM search) {
    auto& wanted = *reinterpret_cast<ProcessWindowSearch*>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((wanted.processId == 0 || owner == wanted.processId) && IsWindowVisible(window) &&
        wanted.fits(window)) {
        wanted.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindProcessWindow(DWORD processId, std::function<bool(HWND)> fits) {
    ProcessWindowSearch search{processId, std::move(fits)};
    EnumWindows(&TakeProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK AddText(HWND window, LPARAM texts) {
    auto& all = *reinterpret_cast<std::wstring*>(texts);
    all += WindowTextOf(window);
    all += L'\n';
    return TRUE;
}

struct ChildSearch {
    std::wstring_view text;
    HWND found = nullptr;
};

BOOL CALLBACK TakeChild(HWND window, LPARAM search) {
    auto& wanted = *reinterpret_cast<ChildSearch*>(search);
    if (WindowTextOf(window) == wanted.text) {
        wanted.found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    while (!condition()) {
        if (GetTickCount64() >= end) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

HWND VisibleWindowOf(DWORD processId, const wchar_t* className) {
    return FindProcessWindow(processId, [className](HWND window) {
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        return std::wstring_view(name) == className;
    });
}

HWND VisibleWindowShowing(DWORD processId, std::wstring_view text) {
    return FindProcessWindow(processId, [text](HWND window) {
        return AllTexts(window).find(text) != std::wstring::npos;
    });
}

std::wstring AllTexts(HWND window) {
    std::wstring texts = WindowTextOf(window) + L'\n';
    EnumChildWindows(window, &AddText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

HWND ChildWithText(HWND window, std::wstring_view text) {
    ChildSearch search{text};
    EnumChildWindows(window, &TakeChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace zel::test
