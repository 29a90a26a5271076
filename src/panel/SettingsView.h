#pragma once
// The settings dialog (TForm3) as its handlers see it. What the user types and ticks comes
// to the panel as it happens, by the control's name (SettingsPanel's ControlEvents); the
// dialog is never asked for it.

#include <string>
#include <string_view>

namespace zel {

class SettingsView {
public:
    virtual ~SettingsView() = default;
    // pnev, pev and phely; code page 1250.
    virtual void ShowValues(std::string_view productName, int year,
                            std::string_view programPath) = 0;
    virtual void SetParameterText(std::string_view text) = 0;
    virtual void SetAllDrivesChecked(bool checked) = 0;
    virtual void SetAllDrivesEnabled(bool enabled) = 0;
    // Shown over the main window, which cannot be used meanwhile, with the focus in Edit1.
    virtual void ShowDialog() = 0;
    // Hidden; the control of the main window that had the focus gets it back.
    virtual void HideDialog() = 0;
};

} // namespace zel
