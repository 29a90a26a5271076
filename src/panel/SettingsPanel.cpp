#include "panel/SettingsPanel.h"

#include "settings/StartParamStore.h"
#include "text/CodePage1250.h"

namespace zel {

void SettingsPanel::Open(int slot, std::vector<std::string> driveEntries) {
    m_slot = slot;
    m_catalogue.currentSlot = slot;
    m_driveEntries = std::move(driveEntries);
    m_shownPath = m_catalogue.ExecutablePath(slot);
    m_view.ShowValues(ProductOf(slot) == Product::Bookkeeping
                          ? Utf8ToCp1250("Egyszeres könyvviteli program")
                          : Utf8ToCp1250("Bérszámfejtő program"),
                      YearOf(slot), m_shownPath);
    m_view.SetAllDrivesEnabled(m_driveEntries.size() >= 2);
    ShowParameterText(std::string(m_catalogue.StartParams(slot, m_shownPath.front())));
    m_view.ShowDialog();
}

void SettingsPanel::Clicked(std::string_view control) {
    if (control == "Button3") {
        Store();
    } else if (control == "Button1") {
        Cancel();
    }
}

void SettingsPanel::Changed(std::string_view control, std::string_view text) {
    if (control == "Edit1") {
        EditParameters(std::string(text));
    }
}

void SettingsPanel::Checked(std::string_view control, bool checked) {
    if (control == "CheckBox1") {
        CheckAllDrives(checked);
    }
}

void SettingsPanel::Cancel() {
    m_view.HideDialog();
}

void SettingsPanel::Store() {
    RunGuarded(m_onError, [&] {
        const std::string stored = StoreStartParams(
            m_catalogue, {m_slot, m_shownPath.empty() ? kNoDrive : m_shownPath.front(),
                          m_parameterText, m_allDrives, m_driveEntries});
        ShowParameterText(stored);
    });
    m_view.HideDialog();
    if (m_stored) {
        RunGuarded(m_onError, [&] { m_stored(m_slot); });
    }
}

bool SettingsPanel::KeyDown(bool inEditOrCheckBox, Key key) {
    if (key == Key::Escape) {
        Cancel();
        return true;
    }
    if (key == Key::Enter && inEditOrCheckBox) {
        Store();
        return true;
    }
    return false;
}

void SettingsPanel::Closed() {
    m_allDrives = false;
    m_view.SetAllDrivesChecked(false);
}

void SettingsPanel::ShowParameterText(std::string text) {
    m_parameterText = std::move(text);
    m_view.SetParameterText(m_parameterText);
}

} // namespace zel
