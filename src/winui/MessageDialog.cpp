#include "winui/MessageDialog.h"

#include "winui/MessagePictures.h"
#include "winui/WideText.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace zel {
namespace {

constexpr int kClientWidth = 354;
constexpr int kClientHeight = 107;
constexpr int kLabelLeft = 56;
constexpr int kSingleLineTop = 27;
constexpr int kFirstLineTop = 21;
constexpr int kSecondLineTop = 39;
constexpr int kButtonWidth = 65;
constexpr int kButtonTop = 64;
constexpr int kButtonHeight = 25;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
// Runs what was to follow the messages closed, once the close is over.
constexpr UINT kRunDue = WM_APP + 1;

enum ControlId {
    kImage1 = 101,
    kImage2,
    kImage3,
    kLabel1,
    kLabel2,
};

HFONT LineFont() {
    return NamedFont(L"MS Sans Serif", -12);
}

SIZE OuterExtra() {
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

SIZE TextSize(HWND label, const std::wstring& text) {
    if (text.empty()) {
        return {0, 0};
    }
    const HDC dc = GetDC(label);
    const HGDIOBJ old = SelectObject(dc, LineFont());
    RECT box{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return {box.right, box.bottom};
}

RECT WindowBounds(HWND window) {
    RECT bounds{0, 0, 0, 0};
    GetWindowRect(window, &bounds);
    return bounds;
}

} // namespace

MessageDialog::MessageDialog() {
    const SIZE extra = OuterExtra();
    CreateNative(L"TForm4", L"", kStyle, kExStyle,
                 {0, 0, kClientWidth + extra.cx, kClientHeight + extra.cy}, nullptr);
    BuildControls();
}

MessageDialog::~MessageDialog() {
    for (const HWND window : m_disabled) {
        if (IsWindow(window)) {
            EnableWindow(window, TRUE);
        }
    }
}

void MessageDialog::BuildControls() {
    const HWND self = Handle();
    const auto picture = [self](int id, HBITMAP bitmap) {
        const HWND image = MakeControl(self, L"STATIC", L"", SS_BITMAP, {12, 21, 33, 33}, id);
        SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
        ShowWindow(image, SW_HIDE);
        return image;
    };
    m_image1 = picture(kImage1, ErrorPicture());
    m_image2 = picture(kImage2, WarningPicture());
    m_image3 = picture(kImage3, InformationPicture());
    for (const auto& [label, id, top] : {std::tuple{&m_label1, kLabel1, kFirstLineTop},
                                         std::tuple{&m_label2, kLabel2, kSecondLineTop}}) {
        *label = MakeControl(self, L"STATIC", L"", SS_LEFTNOWORDWRAP | SS_NOPREFIX,
                             {kLabelLeft, top, 0, 0}, id);
        SendMessageW(*label, WM_SETFONT, reinterpret_cast<WPARAM>(LineFont()), FALSE);
    }
    // IDOK: Enter anywhere in the dialog presses it.
    m_button1 = MakeControl(self, L"BUTTON", L"&OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP,
                            {144, kButtonTop, kButtonWidth, kButtonHeight}, IDOK);
    SendMessageW(m_button1, WM_SETFONT, reinterpret_cast<WPARAM>(LineFont()), FALSE);
}

void MessageDialog::SetWindows(HWND mainWindow, HWND selfInstallWindow) {
    m_mainWindow = mainWindow;
    m_selfInstallWindow = selfInstallWindow;
}

HWND MessageDialog::Image(MessageKind kind) const {
    switch (kind) {
    case MessageKind::Error:
        return m_image1;
    case MessageKind::Warning:
        return m_image2;
    case MessageKind::Information:
        return m_image3;
    }
    return nullptr;
}

HWND MessageDialog::OwnerWindow(MessageOwner owner) const {
    const HWND window = owner == MessageOwner::MainWindow          ? m_mainWindow
                        : owner == MessageOwner::SelfInstallWindow ? m_selfInstallWindow
                                                                   : nullptr;
    return window != nullptr && IsWindow(window) ? window : nullptr;
}

void MessageDialog::ShowStandardError(std::string_view text) {
    const HWND active = GetActiveWindow();
    MessageBoxW(active, WideFromCp1250(text).c_str(), WideFromUtf8("  Zelkor Indítópult").c_str(),
                MB_OK | MB_ICONERROR);
}

void MessageDialog::ShowMessage(const MessageOnScreen& message) {
    const HWND self = Handle();
    m_owner = OwnerWindow(message.owner);
    if (m_owner != nullptr) {
        EnableWindow(m_owner, FALSE);
        if (std::find(m_disabled.begin(), m_disabled.end(), m_owner) == m_disabled.end()) {
            m_disabled.push_back(m_owner);
        }
    }
    // Owned, it stays above the window it belongs to.
    SetWindowLongPtrW(self, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(m_owner));

    ShowKind(message.kind, message.title);
    SetLine(m_label1, message.text, message.detail.empty() ? kSingleLineTop : kFirstLineTop);
    SetLine(m_label2, message.detail, kSecondLineTop);
    Place();

    EnableWindow(self, TRUE);
    ShowWindow(self, SW_SHOW);
    SetForegroundWindow(self);
    SetActiveWindow(self);
    SetFocus(m_button1);
    // On screen at once, even if the caller goes on with long work.
    UpdateWindow(self);
}

void MessageDialog::ShowKind(MessageKind kind, std::string_view title) {
    for (const HWND image : {m_image1, m_image2, m_image3}) {
        ShowWindow(image, SW_HIDE);
    }
    ShowWindow(Image(kind), SW_SHOW);
    SetWindowTextW(Handle(), WideFromCp1250(title).c_str());
}

void MessageDialog::SetLine(HWND label, std::string_view text, int top) {
    const std::wstring wide = WideFromCp1250(text);
    SetWindowTextW(label, wide.c_str());
    const SIZE size = TextSize(label, wide);
    SetWindowPos(label, nullptr, kLabelLeft, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The width follows the first line only; a longer second line is cut off at the edge.
void MessageDialog::Place() {
    RECT label{0, 0, 0, 0};
    GetClientRect(m_label1, &label);
    const int outerWidth = kLabelLeft + label.right + 25;
    const int outerHeight = kClientHeight + OuterExtra().cy;
    SetWindowPos(m_button1, nullptr, (outerWidth - kButtonWidth) / 2, kButtonTop, kButtonWidth,
                 kButtonHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    int left = 0;
    int top = 0;
    if (m_owner != nullptr) {
        const RECT area = WindowBounds(m_owner);
        const int width = area.right - area.left;
        const int height = area.bottom - area.top;
        left = area.left + width / 2 - outerWidth / 2;
        top = area.top + height / 2 - outerHeight / 2;
    } else {
        left = GetSystemMetrics(SM_CXSCREEN) / 2 - outerWidth / 2;
        top = GetSystemMetrics(SM_CYSCREEN) / 2 - outerHeight / 2;
    }
    SetWindowPos(Handle(), HWND_TOP, left, top, outerWidth, outerHeight, SWP_NOACTIVATE);
}

void MessageDialog::HideMessage() {
    // Enabled before the dialog hides, so that Windows activates the owner and not some
    // other program's window.
    for (const HWND window : std::exchange(m_disabled, {})) {
        if (IsWindow(window)) {
            EnableWindow(window, TRUE);
        }
    }
    ShowWindow(Handle(), SW_HIDE);
}

void MessageDialog::RunLater(std::function<void()> next) {
    m_due.push_back(std::move(next));
    PostMessageW(Handle(), kRunDue, 0, 0);
}

void MessageDialog::CloseSelfInstallWindow() {
    if (m_selfInstallWindow != nullptr && IsWindow(m_selfInstallWindow)) {
        SendMessageW(m_selfInstallWindow, WM_CLOSE, 0, 0);
    }
}

void MessageDialog::RunDue() {
    for (const auto& next : std::exchange(m_due, {})) {
        next();
    }
}

LRESULT MessageDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            m_queue.Ok();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            m_queue.Close();
            return 0;
        }
        break;
    case WM_CLOSE:
        m_queue.Close();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            SetFocus(m_button1);
            return 0;
        }
        break;
    case kRunDue:
        RunDue();
        return 0;
    default:
        break;
    }
    return NativeWindow::OnMessage(message, wParam, lParam);
}

} // namespace zel
