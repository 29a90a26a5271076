#include "winui/ControlBuilder.h"

#include "panel/WindowDescription.h"
#include "winui/FormPanel.h"
#include "winui/WideText.h"

#include <stdexcept>
#include <string>

namespace zel {
namespace {

// The drop-down part's height; the closed box is as high as its font makes it.
constexpr int kDropDownHeight = 200;

struct NativeKind {
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
};

NativeKind KindOf(const ControlDescription& control) {
    switch (control.kind) {
    case ControlKind::Panel:
        break;
    case ControlKind::Label:
        return {L"STATIC", control.alignment == Alignment::Right ? DWORD{SS_RIGHT} : SS_LEFT, 0};
    case ControlKind::Text:
        return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case ControlKind::Picture:
        return {L"STATIC", SS_BITMAP, 0};
    case ControlKind::Button:
        return {L"BUTTON",
                (control.isDefault ? DWORD{BS_DEFPUSHBUTTON} : DWORD{BS_PUSHBUTTON}) | WS_TABSTOP,
                0};
    case ControlKind::Edit:
        return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::CheckBox:
        return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::DriveList:
        return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::ProgressBar:
        return control.sunken ? NativeKind{PROGRESS_CLASSW, PBS_SMOOTH, WS_EX_CLIENTEDGE}
                              : NativeKind{PROGRESS_CLASSW, 0, 0};
    }
    throw std::logic_error("no native control for " + std::string(control.name));
}

Bounds BoundsOf(const ControlDescription& control, Bounds panel, HWND window) {
    const ControlRect& rect = control.rect;
    Bounds bounds{rect.left, rect.top, rect.width, rect.height};
    if (rect.width == ControlRect::kToRightEdge) {
        RECT client{};
        GetClientRect(window, &client);
        bounds.width = client.right - rect.left;
    }
    if (control.kind == ControlKind::DriveList) {
        bounds.height = kDropDownHeight;
    }
    return control.parent.empty() ? bounds : OnPanel(panel, bounds);
}

HWND MakeDescribed(HWND window, const ControlDescription& control, Bounds panel, int id) {
    const NativeKind kind = KindOf(control);
    const std::wstring caption = WideFromUtf8(control.caption);
    const DWORD group = control.startsGroup ? WS_GROUP : 0;
    const HWND made = MakeControl(window, kind.windowClass, caption, kind.style | group,
                                  BoundsOf(control, panel, window), id, kind.exStyle);
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(control.font)), FALSE);
    if (control.kind == ControlKind::Label && control.rect.width == ControlRect::kFitText) {
        const SIZE size = TextExtent(made, caption, DT_SINGLELINE);
        SetWindowPos(made, nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    switch (control.kind) {
    case ControlKind::Picture:
        ShowWindow(made, SW_HIDE);
        break;
    case ControlKind::CheckBox:
        SendMessageW(made, BM_SETCHECK, control.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case ControlKind::ProgressBar:
        SendMessageW(made, PBM_SETRANGE32, 0, control.maximum);
        SendMessageW(made, PBM_SETPOS, 0, 0);
        SendMessageW(made, PBM_SETBARCOLOR, 0, RGB(0, 0, 255));
        SendMessageW(made, PBM_SETBKCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_BTNFACE)));
        break;
    default:
        break;
    }
    return made;
}

int IdOf(std::string_view name, std::span<const DescribedId> ids) {
    for (const DescribedId& described : ids) {
        if (described.name == name) {
            return described.id;
        }
    }
    return 0;
}

} // namespace

SIZE TextExtent(HWND control, const std::wstring& text, UINT format) {
    const HDC dc = GetDC(control);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT box{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CALCRECT | format);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {box.right, box.bottom};
}

HWND DescribedControls::operator[](std::string_view name) const {
    for (const auto& [described, control] : m_controls) {
        if (described == name) {
            return control;
        }
    }
    throw std::logic_error("no control " + std::string(name));
}

DescribedControls BuildControls(HWND window, const WindowDescription& description,
                                std::span<const DescribedId> ids) {
    UseCommonControls();
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(description.font)), FALSE);
    const Bounds panel = FormPanelOf(description);
    DescribedControls controls;
    for (const ControlDescription& control : description.controls) {
        if (control.kind != ControlKind::Panel) {
            controls.m_controls.emplace_back(
                control.name, MakeDescribed(window, control, panel, IdOf(control.name, ids)));
        }
    }
    return controls;
}

Bounds FormPanelOf(const WindowDescription& description) {
    if (description.controls.empty() || description.controls.front().kind != ControlKind::Panel) {
        return {};
    }
    const ControlRect& rect = description.controls.front().rect;
    return {rect.left, rect.top, rect.width, rect.height};
}

HFONT FontOf(const FontDescription& font) {
    if (font.face.empty()) {
        return FormFont();
    }
    return NamedFont(WideFromUtf8(font.face), -font.pixels, font.bold);
}

} // namespace zel
