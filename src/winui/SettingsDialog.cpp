#include "winui/SettingsDialog.h"

#include "winui/DialogKeys.h"
#include "winui/FormPanel.h"
#include "winui/WideText.h"

#include <string>
#include <tuple>

namespace zel {
namespace {

constexpr Bounds kPanel1{8, 8, 401, 265};
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

enum ControlId {
    kLabel = 100,
    kPnev,
    kPev,
    kPhely,
    kEdit1,
    kCheckBox1,
};

// 9 points bold at 96 dots per inch.
HFONT ValueFont() {
    return NamedFont(L"MS Sans Serif", -12, true);
}

HWND MakeLabel(HWND parent, const char* utf8, Bounds bounds, DWORD align) {
    return MakeControl(parent, L"STATIC", WideFromUtf8(utf8), align, OnPanel(kPanel1, bounds),
                       kLabel);
}

// The value labels size themselves to their text, as the form's autosized labels did.
void SetValue(HWND label, const std::wstring& text) {
    SetWindowTextW(label, text.c_str());
    const HDC dc = GetDC(label);
    const HGDIOBJ old = SelectObject(dc, ValueFont());
    RECT box{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    SetWindowPos(label, nullptr, 0, 0, box.right, box.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

SettingsDialog::SettingsDialog(ProgramCatalogue& catalogue, HWND owner, ErrorHandler onError,
                               std::function<void(int slot)> stored)
    : m_settings(catalogue, *this, std::move(onError), std::move(stored)), m_owner(owner),
      m_keptBounds(PanelFormBounds(kPanel1, kStyle, kExStyle)) {
    CreateNative(L"TForm3", WideFromUtf8("  Program beállítás"), kStyle, kExStyle, m_keptBounds,
                 owner);
    MakeControls();
}

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::MakeControls() {
    const HWND self = Handle();
    MakeLabel(self, "A program aktuális beállításai", {132, 24, 137, 13}, SS_LEFT);
    // Captions end next to their values, whatever face stands in.
    MakeLabel(self, "Program neve:", {71, 56, 69, 13}, SS_RIGHT);
    MakeLabel(self, "Évjárat:", {104, 80, 36, 13}, SS_RIGHT);
    MakeLabel(self, "Futtatott program:", {57, 128, 83, 13}, SS_RIGHT);
    for (const auto& [value, id, top] :
         {std::tuple{&m_pnev, kPnev, 56}, std::tuple{&m_pev, kPev, 80},
          std::tuple{&m_phely, kPhely, 128}}) {
        *value = MakeControl(self, L"STATIC", L"", SS_LEFTNOWORDWRAP | SS_NOPREFIX,
                             OnPanel(kPanel1, {152, top, 0, 0}), id);
        SendMessageW(*value, WM_SETFONT, reinterpret_cast<WPARAM>(ValueFont()), FALSE);
    }
    // The mnemonic of the label before it in the tab order leads to the edit field.
    MakeLabel(self, "&Indító paraméterek:", {48, 152, 92, 13}, SS_RIGHT);
    m_edit1 = MakeControl(self, L"EDIT", L"", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP,
                          OnPanel(kPanel1, {152, 152, 209, 21}), kEdit1, WS_EX_CLIENTEDGE);
    m_checkBox1 = MakeControl(
        self, L"BUTTON", WideFromUtf8("Minden meghajtón ez legyen a &paraméter"),
        BS_AUTOCHECKBOX | WS_TABSTOP, OnPanel(kPanel1, {151, 176, 210, 17}), kCheckBox1);
    // IDOK and IDCANCEL: Enter on OK and Escape anywhere, as the dialog keys give them.
    m_button3 = MakeControl(self, L"BUTTON", L"&OK", BS_PUSHBUTTON | WS_TABSTOP,
                            OnPanel(kPanel1, {128, 216, 65, 25}), IDOK);
    m_button1 = MakeControl(self, L"BUTTON", WideFromUtf8("&Mégsem"), BS_PUSHBUTTON | WS_TABSTOP,
                            OnPanel(kPanel1, {216, 216, 73, 25}), IDCANCEL);
    for (const HWND control : {m_edit1, m_checkBox1}) {
        ForwardDialogKeys(control, [this](Key key) { return m_settings.KeyDown(true, key); });
    }
}

void SettingsDialog::ShowValues(std::string_view productName, int year,
                                std::string_view programPath) {
    SetValue(m_pnev, WideFromCp1250(productName));
    SetValue(m_pev, std::to_wstring(year));
    SetValue(m_phely, WideFromCp1250(programPath));
}

std::string SettingsDialog::ParameterText() {
    return ControlText(m_edit1);
}

void SettingsDialog::SetParameterText(std::string_view text) {
    SetControlText(m_edit1, text);
}

bool SettingsDialog::AllDrivesChecked() {
    return SendMessageW(m_checkBox1, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SettingsDialog::SetAllDrivesChecked(bool checked) {
    SendMessageW(m_checkBox1, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void SettingsDialog::SetAllDrivesEnabled(bool enabled) {
    EnableWindow(m_checkBox1, enabled ? TRUE : FALSE);
}

void SettingsDialog::ShowDialog() {
    const HWND self = Handle();
    if (!IsWindowVisible(self)) {
        m_focusReturn.Remember();
    }
    if (m_owner != nullptr) {
        EnableWindow(m_owner, FALSE);
    }
    ShowWindow(self, SW_SHOW);
    SetForegroundWindow(self);
    SetActiveWindow(self);
    SetFocus(m_edit1);
    SendMessageW(m_edit1, EM_SETSEL, 0, -1);
}

void SettingsDialog::HideDialog() {
    FormClose();
}

void SettingsDialog::FormClose() {
    const HWND self = Handle();
    if (!IsWindowVisible(self)) {
        return;
    }
    m_settings.Closed();
    // Enabled before the dialog hides, so that Windows activates the main window.
    if (m_owner != nullptr) {
        EnableWindow(m_owner, TRUE);
    }
    ShowWindow(self, SW_HIDE);
    m_focusReturn.GiveBack();
}

LRESULT SettingsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            m_settings.Store();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            m_settings.Cancel();
            return 0;
        }
        break;
    case WM_CLOSE:
        m_settings.Cancel();
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
