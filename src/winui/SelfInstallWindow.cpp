#include "winui/SelfInstallWindow.h"

#include "platform/Platform.h"
#include "winui/DriveComboBox.h"
#include "winui/FormPanel.h"
#include "winui/WideText.h"

#include <string>

namespace zel {
namespace {

constexpr Bounds kPanel1{8, 8, 410, 257};
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = 0;

enum ControlId {
    kLabel = 100,
    kDriveComboBox1,
    kCheckBox1,
    kCheckBox2,
    kGauge1,
    // Not IDOK: Enter in a check box must not start an installation.
    kStart,
};

// An autosized label: as wide and high as its text in its font.
HWND MakeLabel(HWND parent, const char* utf8, int left, int top, HFONT font) {
    const std::wstring text = WideFromUtf8(utf8);
    const HWND label =
        MakeControl(parent, L"STATIC", text, SS_LEFT, OnPanel(kPanel1, {left, top, 0, 0}), kLabel);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const HDC dc = GetDC(label);
    const HGDIOBJ old = SelectObject(dc, font);
    RECT box{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    SetWindowPos(label, nullptr, 0, 0, box.right, box.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return label;
}

HWND MakeCheckBox(HWND parent, const char* utf8, int top, int id) {
    const HWND box =
        MakeControl(parent, L"BUTTON", WideFromUtf8(utf8), BS_AUTOCHECKBOX | WS_TABSTOP,
                    OnPanel(kPanel1, {104, top, 193, 17}), id);
    SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
    return box;
}

} // namespace

SelfInstallWindow::SelfInstallWindow(Platform& platform, MessageQueue& messages,
                                     ErrorHandler onError, std::function<void()> closed)
    : m_install(platform, *this, messages, std::move(onError)), m_closed(std::move(closed)),
      m_keptBounds(PanelFormBounds(kPanel1, kStyle, kExStyle)) {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    CreateNative(L"TForm2", WideFromUtf8("  ZELKOR Indítópult telepítése"), kStyle, kExStyle,
                 m_keptBounds, nullptr);
    MakeControls(platform);
}

SelfInstallWindow::~SelfInstallWindow() = default;

void SelfInstallWindow::MakeControls(Platform& platform) {
    const HWND self = Handle();
    MakeLabel(self, "ZELKOR Indítópult telepítése", 122, 32,
              NamedFont(L"MS Sans Serif", -12, true));
    // Its mnemonic leads to the drive list, next in the tab order.
    MakeLabel(self, "&Célmeghajtó:", 100, 74, FormFont());
    // The drop-down part's height; the closed box is as high as its font makes it.
    m_driveList = MakeControl(self, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                              OnPanel(kPanel1, {164, 72, 145, 200}), kDriveComboBox1);
    FillDriveList(m_driveList, platform);
    const std::string current = platform.CurrentDirectory();
    if (!current.empty()) {
        ChooseDrive(m_driveList, current.front());
    }
    m_programGroup = MakeCheckBox(self, " Program&csoport létrehozása", 112, kCheckBox1);
    m_desktopIcon = MakeCheckBox(self, " Parancs&ikon létrehozása az asztalon", 136, kCheckBox2);

    m_gauge = MakeControl(self, PROGRESS_CLASSW, L"", PBS_SMOOTH,
                          OnPanel(kPanel1, {48, 168, 321, 17}), kGauge1, WS_EX_CLIENTEDGE);
    SendMessageW(m_gauge, PBM_SETRANGE32, 0, 100);
    SendMessageW(m_gauge, PBM_SETBARCOLOR, 0, RGB(0, 0, 255));
    SendMessageW(m_gauge, PBM_SETBKCOLOR, 0, GetSysColor(COLOR_BTNFACE));

    m_start = MakeControl(self, L"BUTTON", L"&Start", BS_PUSHBUTTON | WS_TABSTOP,
                          OnPanel(kPanel1, {88, 208, 89, 25}), kStart);
    // IDCANCEL: Escape in any control closes the window.
    m_cancel = MakeControl(self, L"BUTTON", WideFromUtf8("&Mégsem"), BS_PUSHBUTTON | WS_TABSTOP,
                           OnPanel(kPanel1, {232, 208, 89, 25}), IDCANCEL);
}

void SelfInstallWindow::Show() {
    const HWND self = Handle();
    ShowWindow(self, SW_SHOW);
    SetForegroundWindow(self);
    SetActiveWindow(self);
    SetFocus(m_driveList);
}

char SelfInstallWindow::TargetDrive() {
    return ChosenDrive(m_driveList);
}

bool SelfInstallWindow::ProgramGroupChosen() {
    return SendMessageW(m_programGroup, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool SelfInstallWindow::DesktopShortcutChosen() {
    return SendMessageW(m_desktopIcon, BM_GETCHECK, 0, 0) == BST_CHECKED;
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
        if (LOWORD(wParam) == kStart && HIWORD(wParam) == BN_CLICKED) {
            m_install.Install();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            FormClose();
            return 0;
        }
        break;
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
    if (const auto answered = PanelFormMessage(Handle(), kPanel1, m_keptBounds, message, lParam)) {
        return *answered;
    }
    return NativeWindow::OnMessage(message, wParam, lParam);
}

} // namespace zel
