#include "winui/MessageDialog.h"

#include "panel/MessageDialogLayout.h"
#include "panel/WindowDescriptions.h"
#include "panel/WindowPlacement.h"
#include "panel/WindowTitles.h"
#include "text/WideText.h"
#include "winui/ControlBuilder.h"
#include "winui/MessagePictures.h"

#include <algorithm>
#include <utility>

namespace zel {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
// Runs what was to follow the messages closed, once the close is over.
constexpr UINT kRunDue = WM_APP + 1;

// IDOK: Enter anywhere in the dialog presses it.
constexpr DescribedId kIds[] = {{"Button1", IDOK}};

SIZE OuterExtra() {
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

RECT WindowBounds(HWND window) {
    RECT bounds{0, 0, 0, 0};
    GetWindowRect(window, &bounds);
    return bounds;
}

} // namespace

MessageDialog::MessageDialog() {
    const WindowDescription& description = MessageDialogDescription();
    const SIZE extra = OuterExtra();
    CreateNative(WideFromUtf8(description.name).c_str(), WideFromUtf8(description.title), kStyle,
                 kExStyle, {0, 0, description.width + extra.cx, description.height + extra.cy},
                 nullptr);
    m_controls = BuildControls(Handle(), description, kIds);
    for (const auto& [kind, bitmap] : {std::pair{MessageKind::Error, ErrorPicture()},
                                       std::pair{MessageKind::Warning, WarningPicture()},
                                       std::pair{MessageKind::Information, InformationPicture()}}) {
        SendMessageW(Image(kind), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    }
}

MessageDialog::~MessageDialog() {
    for (const HWND window : m_disabled) {
        if (IsWindow(window)) {
            EnableWindow(window, TRUE);
        }
    }
}

void MessageDialog::SetWindows(HWND mainWindow, HWND selfInstallWindow) {
    m_mainWindow = mainWindow;
    m_selfInstallWindow = selfInstallWindow;
}

HWND MessageDialog::Image(MessageKind kind) const {
    switch (kind) {
    case MessageKind::Error:
        return m_controls["Image1"];
    case MessageKind::Warning:
        return m_controls["Image2"];
    case MessageKind::Information:
        return m_controls["Image3"];
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
    MessageBoxW(active, WideFromCp1250(text).c_str(), WideFromUtf8(kApplicationTitle).c_str(),
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
    const int firstLineWidth =
        SetLine(Label1(), message.text, MessageFirstLineTop(!message.detail.empty()));
    SetLine(Label2(), message.detail, kMessageSecondLineTop);
    Place(MessageWidthFor(firstLineWidth));

    EnableWindow(self, TRUE);
    ShowWindow(self, SW_SHOW);
    SetForegroundWindow(self);
    SetActiveWindow(self);
    SetFocus(Button1());
    // On screen at once, even if the caller goes on with long work.
    UpdateWindow(self);
}

void MessageDialog::ShowKind(MessageKind kind, std::string_view title) {
    for (const MessageKind other :
         {MessageKind::Error, MessageKind::Warning, MessageKind::Information}) {
        ShowWindow(Image(other), SW_HIDE);
    }
    ShowWindow(Image(kind), SW_SHOW);
    SetWindowTextW(Handle(), WideFromCp1250(title).c_str());
}

int MessageDialog::SetLine(HWND label, std::string_view text, int top) {
    const std::wstring wide = WideFromCp1250(text);
    SetWindowTextW(label, wide.c_str());
    const SIZE size =
        wide.empty() ? SIZE{0, 0} : TextExtent(label, wide, DT_SINGLELINE | DT_NOPREFIX);
    SetWindowPos(label, nullptr, kMessageLineLeft, top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return size.cx;
}

void MessageDialog::Place(MessageWidth width) {
    const int outerWidth = width.outer;
    const int outerHeight = kMessageClientHeight + OuterExtra().cy;
    SetWindowPos(Button1(), nullptr, width.buttonLeft, kMessageButtonTop, kMessageButtonWidth,
                 kMessageButtonHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT area = m_owner != nullptr ? WindowBounds(m_owner)
                                         : RECT{0, 0, GetSystemMetrics(SM_CXSCREEN),
                                                GetSystemMetrics(SM_CYSCREEN)};
    const auto [left, top] =
        CentredOver(outerWidth, outerHeight,
                    {area.left, area.top, area.right - area.left, area.bottom - area.top});
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
            SetFocus(Button1());
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
