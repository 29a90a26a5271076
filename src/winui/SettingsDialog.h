#pragma once
// TForm3 as native controls: the start parameters of one row's program, on the drive the row
// has chosen. It is made once and filled afresh at every opening; while it is up the main
// window is disabled, and afterwards its focused control gets the focus back.

#include "panel/SettingsPanel.h"
#include "panel/SettingsView.h"
#include "winui/ActivationFocus.h"
#include "winui/ControlBuilder.h"
#include "winui/FocusReturn.h"
#include "winui/NativeWindow.h"

#include <functional>

namespace zel {

class SettingsDialog final : public NativeWindow, public SettingsView {
public:
    // owner is the main window; stored runs after the parameters of a slot were written.
    SettingsDialog(ProgramCatalogue& catalogue, HWND owner, ErrorHandler onError,
                   std::function<void(int slot)> stored = {});
    ~SettingsDialog() override;

    [[nodiscard]] SettingsPanel& Panel() { return m_settings; }

    // SettingsView.
    void ShowValues(std::string_view productName, int year, std::string_view programPath) override;
    void SetParameterText(std::string_view text) override;
    void SetAllDrivesChecked(bool checked) override;
    void SetAllDrivesEnabled(bool enabled) override;
    void ShowDialog() override;
    void HideDialog() override;

    [[nodiscard]] HWND Edit1() const { return m_edit1; }
    [[nodiscard]] HWND CheckBox1() const { return m_checkBox1; }
    [[nodiscard]] HWND Button3() const { return m_button3; }
    [[nodiscard]] HWND Button1() const { return m_button1; }
    [[nodiscard]] HWND Pnev() const { return m_pnev; }
    [[nodiscard]] HWND Pev() const { return m_pev; }
    [[nodiscard]] HWND Phely() const { return m_phely; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void MakeControls();
    void FormClose();

    SettingsPanel m_settings;
    HWND m_owner;
    FocusReturn m_focusReturn;
    Bounds m_panel;
    Bounds m_keptBounds;
    ActivationFocus m_activation{m_edit1};
    DescribedControls m_controls;
    HWND m_pnev = nullptr;
    HWND m_pev = nullptr;
    HWND m_phely = nullptr;
    HWND m_edit1 = nullptr;
    HWND m_checkBox1 = nullptr;
    HWND m_button3 = nullptr;
    HWND m_button1 = nullptr;
};

} // namespace zel
