#include "winui/ProgressWindow.h"

#include "panel/WindowDescriptions.h"
#include "panel/WindowPlacement.h"
#include "text/WideText.h"
#include "winui/ControlBuilder.h"

namespace zel {
namespace {

// What the scan's tests read the controls by.
constexpr DescribedId kIds[] = {{"Gauge1", 1}, {"Label1", 2}};

} // namespace

ProgressWindow::ProgressWindow(HWND mainWindow) : m_mainWindow(mainWindow) {
    const WindowDescription& description = ProgressWindowDescription();
    CreateNative(WideFromUtf8(description.name).c_str(), WideFromUtf8(description.title),
                 WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0,
                 {0, 0, description.width, description.height}, nullptr);
    const DescribedControls controls = BuildControls(Handle(), description, kIds);
    m_gauge = controls["Gauge1"];
    m_label = controls["Label1"];
}

void ProgressWindow::Close() {
    ShowWindow(Handle(), SW_HIDE);
}

void ProgressWindow::ShowOverMainWindow() {
    RECT main{};
    GetWindowRect(m_mainWindow, &main);
    RECT own{};
    GetWindowRect(Handle(), &own);
    const auto [left, top] =
        CentredOver(own.right - own.left, own.bottom - own.top,
                    {main.left, main.top, main.right - main.left, main.bottom - main.top});
    SetWindowPos(Handle(), HWND_TOP, left, top, 0, 0, SWP_NOSIZE);
    ShowWindow(m_mainWindow, SW_SHOW);
    UpdateWindow(m_mainWindow);
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
}

void ProgressWindow::SetGauge(int progress) {
    SendMessageW(m_gauge, PBM_SETPOS, static_cast<WPARAM>(progress), 0);
    UpdateWindow(m_gauge);
}

void ProgressWindow::SetLabel(std::string_view text) {
    SetControlText(m_label, text);
    UpdateWindow(m_label);
}

} // namespace zel
