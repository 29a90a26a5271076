#include "winui/ControlBuilder.h"

#include "panel/WindowDescription.h"
#include "text/WideText.h"
#include "winui/ControlParent.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace zel {
namespace {

// The drop-down part's height; the closed box is as high as its font makes it.
constexpr int kDropDownHeight = 200;
// A row's drive box opens below its own height.
constexpr int kDriveBoxDropDown = 160;

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
    case ControlKind::DriveBox:
        return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::ProgressBar:
        return control.sunken ? NativeKind{PROGRESS_CLASSW, PBS_SMOOTH, WS_EX_CLIENTEDGE}
                              : NativeKind{PROGRESS_CLASSW, 0, 0};
    case ControlKind::RadioButton:
        return {L"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP, 0};
    case ControlKind::GroupBox:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::PictureButton:
        return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0};
    case ControlKind::SpeedButton:
        // Speed buttons take no focus: the mouse alone moves them.
        return {L"BUTTON", BS_OWNERDRAW, 0};
    case ControlKind::Grid:
    case ControlKind::Pages:
    case ControlKind::Page:
        // The window makes these itself: its own grid control, its page control.
        break;
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
    if (!control.parent.empty()) {
        bounds.left += panel.left;
        bounds.top += panel.top;
    }
    return bounds;
}

HWND MakeDescribed(HWND window, const ControlDescription& control, Bounds bounds, int id,
                   DWORD extraStyle = 0) {
    const NativeKind kind = KindOf(control);
    // A picture button's text is never drawn: it names the button for a screen reader.
    const std::wstring caption = WideFromUtf8(
        control.kind == ControlKind::PictureButton ? control.accessibleName : control.caption);
    DWORD style = kind.style | extraStyle | (control.startsGroup ? WS_GROUP : 0);
    if (control.clickOnly) {
        style &= ~DWORD{WS_TABSTOP};
    }
    const HWND made =
        MakeControl(window, kind.windowClass, caption, style, bounds, id, kind.exStyle);
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
    case ControlKind::RadioButton:
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

bool InPart(std::span<const ControlDescription> part, std::string_view name) {
    return std::any_of(part.begin(), part.end(),
                       [name](const ControlDescription& control) { return control.name == name; });
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

std::string_view DescribedControls::NameOf(HWND control) const {
    for (const auto& [name, made] : m_controls) {
        if (made == control) {
            return name;
        }
    }
    return {};
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
                control.name, MakeDescribed(window, control, BoundsOf(control, panel, window),
                                            IdOf(control.name, ids)));
        }
    }
    return controls;
}

DescribedControls BuildPart(HWND holder, std::span<const ControlDescription> part,
                            std::span<const NativeControl> order) {
    UseCommonControls();
    DescribedControls controls;
    for (const NativeControl& native : order) {
        const ControlDescription& control = DescribedControl(part, native.name);
        const ControlRect& rect = control.rect;
        Bounds bounds{rect.left, rect.top, rect.width, rect.height};
        // A group box holds no window here: what lies in it stands at its offset on the
        // panel that holds the box.
        std::string_view parent = control.parent;
        while (InPart(part, parent)) {
            const ControlDescription& holding = DescribedControl(part, parent);
            if (holding.kind != ControlKind::GroupBox) {
                break;
            }
            bounds.left += holding.rect.left;
            bounds.top += holding.rect.top;
            parent = holding.parent;
        }
        if (control.kind == ControlKind::DriveBox) {
            bounds.height += kDriveBoxDropDown;
        }
        const HWND window = InPart(part, parent) ? controls[parent] : holder;
        const HWND made =
            control.kind == ControlKind::Panel
                ? MakeControlParent(window, bounds, PanelEdge::Raised)
                : MakeDescribed(window, control, bounds, native.id, native.extraStyle);
        controls.m_controls.emplace_back(control.name, made);
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
    if (font.face.empty() && font.bold) {
        LOGFONTW form{};
        GetObjectW(FormFont(), sizeof form, &form);
        return NamedFont(L"MS Sans Serif", form.lfHeight, true);
    }
    if (font.face.empty()) {
        return FormFont();
    }
    return NamedFont(WideFromUtf8(font.face), -font.pixels, font.bold);
}

} // namespace zel
