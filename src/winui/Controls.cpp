#include "winui/Controls.h"

#include "text/WideText.h"

#include <map>
#include <tuple>

namespace zel {

HFONT FormFont() {
    // 8 points at the screen's resolution: 11 pixels at 96 dots per inch, as the forms had.
    static const HFONT font = [] {
        const HDC screen = GetDC(nullptr);
        const int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
        return NamedFont(L"MS Sans Serif", height);
    }();
    return font;
}

HFONT NamedFont(std::wstring_view faceName, int height, bool bold) {
    static std::map<std::tuple<std::wstring, int, bool>, HFONT> fonts;
    auto key = std::make_tuple(std::wstring(faceName), height, bold);
    if (const auto found = fonts.find(key); found != fonts.end()) {
        return found->second;
    }
    LOGFONTW description{};
    description.lfHeight = height;
    description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = EASTEUROPE_CHARSET;
    description.lfQuality = DEFAULT_QUALITY;
    faceName.copy(description.lfFaceName, LF_FACESIZE - 1);
    const HFONT font = CreateFontIndirectW(&description);
    fonts.emplace(std::move(key), font);
    return font;
}

void UseCommonControls() {
    static const bool registered = [] {
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                            ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                                ICC_PROGRESS_CLASS | ICC_BAR_CLASSES |
                                                ICC_LISTVIEW_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)registered;
}

HWND MakeControl(HWND parent, const wchar_t* windowClass, std::wstring_view text, DWORD style,
                 Bounds bounds, int id, DWORD exStyle) {
    const std::wstring caption(text);
    const HWND control = CreateWindowExW(
        exStyle, windowClass, caption.c_str(), WS_CHILD | WS_VISIBLE | style, bounds.left,
        bounds.top, bounds.width, bounds.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (control != nullptr) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(FormFont()), FALSE);
    }
    return control;
}

std::wstring WindowTextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

std::string ControlText(HWND control) {
    return Cp1250FromWide(WindowTextOf(control));
}

void SetControlText(HWND control, std::string_view cp1250) {
    SetWindowTextW(control, WideFromCp1250(cp1250).c_str());
}

} // namespace zel
