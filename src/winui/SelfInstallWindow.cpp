#include "winui/SelfInstallWindow.h"

#include "panel/WindowDescriptions.h"
#include "platform/Platform.h"
#include "text/WideText.h"
#include "winui/CommandForwarding.h"
#include "winui/DriveComboBox.h"

#include <string>

namespace zel {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = 0;
// Not IDOK: Enter in a check box must not start an installation.
constexpr int kStart = 101;
// IDCANCEL: Escape in any control closes the window.
constexpr DescribedId kIds[] = {{"Button1", kStart}, {"Button2", IDCANCEL}};

} // namespace

SelfInstallWindow::SelfInstallWindow(Platform& platform, MessageQueue& messages,
                                     ErrorHandler onError, std::function<void()> closed)
    : PanelForm(SelfInstallWindowDescription(), kStyle, kExStyle, nullptr, kIds, "DriveComboBox1"),
      m_install(platform, *this, messages, std::move(onError)), m_closed(std::move(closed)) {}

void SelfInstallWindow::Show() {
    m_install.Shown();
    const HWND self = Handle();
    ShowWindow(self, SW_SHOW);
    SetForegroundWindow(self);
    SetActiveWindow(self);
    SetFocus(DriveComboBox1());
}

void SelfInstallWindow::ShowDrives(const std::vector<std::string>& entries, std::size_t chosen) {
    ShowDriveEntries(DriveComboBox1(), entries, chosen);
}

void SelfInstallWindow::SetGauge(int progress) {
    SendMessageW(Gauge1(), PBM_SETPOS, static_cast<WPARAM>(progress), 0);
    // The copy runs in the click handler: the bar must paint now, not when it returns.
    UpdateWindow(Gauge1());
}

void SelfInstallWindow::FormClose() {
    const HWND self = Handle();
    if (!IsWindowVisible(self)) {
        return;
    }
    ShowWindow(self, SW_HIDE);
    if (m_closed) {
        m_closed();
    }
}

LRESULT SelfInstallWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            FormClose();
        } else {
            const auto control = reinterpret_cast<HWND>(lParam);
            ForwardCommand(m_install, Controls().NameOf(control), control, HIWORD(wParam));
        }
        return 0;
    case WM_CLOSE:
        FormClose();
        return 0;
    default:
        return PanelForm::OnMessage(message, wParam, lParam);
    }
}

} // namespace zel
