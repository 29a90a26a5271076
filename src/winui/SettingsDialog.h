#pragma once
// TForm3 as native controls: the start parameters of one row's program, on the drive the row
// has chosen. It is made once and filled afresh at every opening; while it is up the main
// window is disabled, and afterwards its focused control gets the focus back.

#include "panel/SettingsPanel.h"
#include "panel/SettingsView.h"
#include "winui/FocusReturn.h"
#include "winui/PanelForm.h"

#include <functional>

namespace zel {

class SettingsDialog final : public PanelForm, public SettingsView {
public:
    // owner is the main window; stored runs after the parameters of a slot were written.
    SettingsDialog(ProgramCatalogue& catalogue, HWND owner, ErrorHandler onError,
                   std::function<void(int slot)> stored = {});

    [[nodiscard]] SettingsPanel& Panel() { return m_settings; }

    // SettingsView.
    void ShowValues(std::string_view productName, int year, std::string_view programPath) override;
    void SetParameterText(std::string_view text) override;
    void SetAllDrivesChecked(bool checked) override;
    void SetAllDrivesEnabled(bool enabled) override;
    void ShowDialog() override;
    void HideDialog() override;

    [[nodiscard]] HWND Edit1() const { return Controls()["Edit1"]; }
    [[nodiscard]] HWND CheckBox1() const { return Controls()["CheckBox1"]; }
    [[nodiscard]] HWND Button3() const { return Controls()["Button3"]; }
    [[nodiscard]] HWND Button1() const { return Controls()["Button1"]; }
    [[nodiscard]] HWND Pnev() const { return Controls()["pnev"]; }
    [[nodiscard]] HWND Pev() const { return Controls()["pev"]; }
    [[nodiscard]] HWND Phely() const { return Controls()["phely"]; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormClose();

    SettingsPanel m_settings;
    HWND m_owner;
    FocusReturn m_focusReturn;
};

} // namespace zel
