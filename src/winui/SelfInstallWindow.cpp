#include "winui/SelfInstallWindow.h"

#include "panel/WindowDescriptions.h"
#include "platform/Platform.h"
#include "winui/CommandForwarding.h"
#include "winui/DriveComboBox.h"
#include "winui/FormPanel.h"
#include "winui/WideText.h"

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
    : m_install(platform, *this, messages, std::move(onError)), m_closed(std::move(closed)),
      m_panel(FormPanelOf(SelfInstallWindowDescription())),
      m_keptBounds(PanelFormBounds(m_panel, kStyle, kExStyle)) {
    const WindowDescription& description = SelfInstallWindowDescription();
    CreateNative(WideFromUtf8(description.name).c_str(), WideFromUtf8(description.title), kStyle,
                 kExStyle, m_keptBounds, nullptr);
    MakeControls();
}

SelfInstallWindow::~SelfInstallWindow() = default;

void SelfInstallWindow::MakeControls() {
    m_controls = BuildControls(Handle(), SelfInstallWindowDescription(), kIds);
    m_driveList = m_controls["DriveComboBox1"];
    m_programGroup = m_controls["CheckBox1"];
    m_desktopIcon = m_controls["CheckBox2"];
    m_gauge = m_controls["Gauge1"];
    m_start = m_controls["Button1"];
    m_cancel = m_controls["Button2"];
}

void SelfInstallWindow::Show() {
    m_install.Shown();
    const HWND self = Handle();
    ShowWindow(self, SW_SHOW);
    SetForegroundWindow(self);
    SetActiveWindow(self);
    SetFocus(m_driveList);
}

void SelfInstallWindow::ShowDrives(const std::vector<std::string>& entries, std::size_t chosen) {
    ShowDriveEntries(m_driveList, entries, chosen);
}

void SelfInstallWindow::SetGauge(int progress) {
    SendMessageW(m_gauge, PBM_SETPOS, static_cast<WPARAM>(progress), 0);
    // The copy runs in the click handler: the bar must paint now, not when it returns.
    UpdateWindow(m_gauge);
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
            ForwardCommand(m_install, m_controls.NameOf(control), control, HIWORD(wParam));
        }
        return 0;
    case WM_CLOSE:
        FormClose();
        return 0;
    case WM_ACTIVATE:
        if (m_activation.OnActivate(Handle(), wParam)) {
            return 0;
        }
        break;
    default:
        break;
    }
    if (const auto answered = PanelFormMessage(Handle(), m_panel, m_keptBounds, message, lParam)) {
        return *answered;
    }
    return NativeWindow::OnMessage(message, wParam, lParam);
}

} // namespace zel
