#include "winui/ProgressWindow.h"

#include "winui/WideText.h"

namespace zel {
namespace {

constexpr int kWidth = 338;
constexpr int kHeight = 92;
constexpr int kGaugeMaximum = 46;
constexpr int kLabelLeft = 26;

} // namespace

ProgressWindow::ProgressWindow(HWND mainWindow) : m_mainWindow(mainWindow) {
    UseCommonControls();
    CreateNative(kClassName, L"  Program ind\u00EDt\u00E1sa",
                 WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, {0, 0, kWidth, kHeight}, nullptr);
    const HFONT system = NamedFont(L"System", -13);
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(system), FALSE);
    m_gauge = MakeControl(Handle(), PROGRESS_CLASSW, L"", 0, {24, 28, 287, 21}, 1);
    SendMessageW(m_gauge, PBM_SETRANGE32, 0, kGaugeMaximum);
    SendMessageW(m_gauge, PBM_SETPOS, 0, 0);
    SendMessageW(m_gauge, PBM_SETBARCOLOR, 0, RGB(0, 0, 255));
    SendMessageW(m_gauge, PBM_SETBKCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_BTNFACE)));
    // As wide as the window leaves it: the scan sets 49 texts, and none is measured.
    RECT client{};
    GetClientRect(Handle(), &client);
    m_label = MakeControl(Handle(), L"STATIC", L"", SS_LEFT | SS_NOPREFIX,
                          {kLabelLeft, 8, client.right - kLabelLeft, 13}, 2);
    SendMessageW(m_label, WM_SETFONT, reinterpret_cast<WPARAM>(NamedFont(L"MS Sans Serif", -11)),
                 FALSE);
}

void ProgressWindow::Close() {
    ShowWindow(Handle(), SW_HIDE);
}

void ProgressWindow::ShowOverMainWindow() {
    RECT main{};
    GetWindowRect(m_mainWindow, &main);
    const int left = main.left + (main.right - main.left) / 2 - kWidth / 2;
    const int top = main.top + (main.bottom - main.top) / 2 - kHeight / 2;
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
