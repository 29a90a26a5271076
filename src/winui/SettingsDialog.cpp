#include "winui/SettingsDialog.h"

#include "panel/WindowDescriptions.h"
#include "text/WideText.h"
#include "winui/CommandForwarding.h"
#include "winui/DialogKeys.h"

#include <string>

namespace zel {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

// IDOK and IDCANCEL: Enter on OK and Escape anywhere, as the dialog keys give them.
constexpr DescribedId kIds[] = {{"Button3", IDOK}, {"Button1", IDCANCEL}};

// The value labels size themselves to their text, as the form's autosized labels did.
void SetValue(HWND label, const std::wstring& text) {
    SetWindowTextW(label, text.c_str());
    const SIZE size = TextExtent(label, text, DT_SINGLELINE | DT_NOPREFIX);
    SetWindowPos(label, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

SettingsDialog::SettingsDialog(ProgramCatalogue& catalogue, HWND owner, ErrorHandler onError,
                               std::function<void(int slot)> stored)
    : PanelForm(SettingsDialogDescription(), kStyle, kExStyle, owner, kIds, "Edit1"),
      m_settings(catalogue, *this, std::move(onError), std::move(stored)), m_owner(owner) {
    for (const HWND control : {Edit1(), CheckBox1()}) {
        ForwardDialogKeys(control, [this](Key key) { return m_settings.KeyDown(true, key); });
    }
}

void SettingsDialog::ShowValues(std::string_view productName, int year,
                                std::string_view programPath) {
    SetValue(Pnev(), WideFromCp1250(productName));
    SetValue(Pev(), std::to_wstring(year));
    SetValue(Phely(), WideFromCp1250(programPath));
}

void SettingsDialog::SetParameterText(std::string_view text) {
    SetControlText(Edit1(), text);
}

void SettingsDialog::SetAllDrivesChecked(bool checked) {
    SendMessageW(CheckBox1(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void SettingsDialog::SetAllDrivesEnabled(bool enabled) {
    EnableWindow(CheckBox1(), enabled ? TRUE : FALSE);
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
    SetFocus(Edit1());
    SendMessageW(Edit1(), EM_SETSEL, 0, -1);
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
    case WM_COMMAND: {
        // Enter and Escape may come without the button whose id they carry.
        const HWND control =
            lParam != 0 ? reinterpret_cast<HWND>(lParam) : GetDlgItem(Handle(), LOWORD(wParam));
        ForwardCommand(m_settings, Controls().NameOf(control), control, HIWORD(wParam));
        return 0;
    }
    case WM_CLOSE:
        m_settings.Cancel();
        return 0;
    default:
        return PanelForm::OnMessage(message, wParam, lParam);
    }
}

} // namespace zel
