#pragma once
// The settings dialog's behaviour (TForm3): filled afresh at every opening for one row's
// program on the drive the row has chosen; its OK stores the start parameters. A face
// forwards its controls' events here by the control's form name.

#include "catalogue/ProgramCatalogue.h"
#include "panel/ControlEvents.h"
#include "panel/PanelKeys.h"
#include "panel/PanelMessages.h"
#include "panel/SettingsView.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zel {

class SettingsPanel final : public ControlEvents {
public:
    // stored runs after OK has stored a slot's parameters and the dialog has closed.
    SettingsPanel(ProgramCatalogue& catalogue, SettingsView& view, ErrorHandler onError,
                  std::function<void(int slot)> stored = {})
        : m_catalogue(catalogue), m_view(view), m_onError(std::move(onError)),
          m_stored(std::move(stored)) {}

    // The settings button of slot was pressed; driveEntries are the texts of the row's drive
    // list, each beginning with its drive letter.
    void Open(int slot, std::vector<std::string> driveEntries);

    // The dialog's controls, by their form names.
    void Clicked(std::string_view control) override;
    void Changed(std::string_view control, std::string_view text) override;
    void Checked(std::string_view control, bool checked) override;

    // The user changed Edit1's text (code page 1250), or ticked CheckBox1.
    void EditParameters(std::string text) { m_parameterText = std::move(text); }
    void CheckAllDrives(bool checked) { m_allDrives = checked; }
    // OK (Button3) stores the parameters, Mégsem (Button1) leaves them.
    void Store();
    void Cancel();
    // Escape cancels; Enter in the edit field or the check box is OK.
    bool KeyDown(bool inEditOrCheckBox, Key key);
    // The dialog is closing, however it was closed.
    void Closed();

private:
    void ShowParameterText(std::string text);

    ProgramCatalogue& m_catalogue;
    SettingsView& m_view;
    ErrorHandler m_onError;
    std::function<void(int slot)> m_stored;
    int m_slot = 0;
    std::string m_shownPath;
    std::vector<std::string> m_driveEntries;
    std::string m_parameterText;
    bool m_allDrives = false;
};

} // namespace zel
