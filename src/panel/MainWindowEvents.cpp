#include "panel/LauncherPanel.h"
#include "panel/MainWindowDescription.h"

#include <array>

// What each control of the main window means to the panel, by the form's name for it. The
// faces forward every click, change and entry here and decide nothing of their own, so a
// control cannot mean one thing in one face and another in the other.

namespace zel {
namespace {

struct Meaning {
    std::string_view control;
    void (*act)(LauncherPanel& panel);
};

constexpr std::array<Meaning, 11> kClicks = {{
    {"Button4", [](LauncherPanel& panel) { panel.Install(); }},
    {"Button5", [](LauncherPanel& panel) { panel.Quit(); }},
    {"NDISKA", [](LauncherPanel& panel) { panel.ChooseInstallSource(true); }},
    {"NDISKC", [](LauncherPanel& panel) { panel.ChooseInstallSource(false); }},
    {"NBROWSE", [](LauncherPanel& panel) { panel.BrowseForInstaller(); }},
    {"NBROWSEPIC", [](LauncherPanel& panel) { panel.BrowseForInstaller(); }},
    {"Button2", [](LauncherPanel& panel) { panel.PrinterSetup(); }},
    {"edNyomDos", [](LauncherPanel& panel) { panel.ChoosePrintMode(false); }},
    {"edNyomWindows", [](LauncherPanel& panel) { panel.ChoosePrintMode(true); }},
    {"btNyomtat", [](LauncherPanel& panel) { panel.SwitchPrinting(true); }},
    {"btMegszakit", [](LauncherPanel& panel) { panel.SwitchPrinting(false); }},
}};

// The row a control belongs to, and which of its three it is; slot 0 for none.
struct RowControl {
    int slot = 0;
    RowControlNames names{};
};

RowControl RowControlNamed(std::string_view control) {
    const int slot = RowSlotOf(control);
    return slot == 0 ? RowControl{} : RowControl{slot, RowControlNamesOf(slot)};
}

} // namespace

void LauncherPanel::Clicked(std::string_view control) {
    for (const Meaning& meaning : kClicks) {
        if (meaning.control == control) {
            meaning.act(*this);
            return;
        }
    }
    if (const RowControl row = RowControlNamed(control); row.slot != 0) {
        if (control == row.names.year) {
            StartProgram(row.slot);
        } else if (control == row.names.settings) {
            OpenSettings(row.slot);
        }
    }
}

void LauncherPanel::Changed(std::string_view control, std::string_view text) {
    if (control == "NPATH") {
        EditInstallPath(text);
    } else if (const RowControl row = RowControlNamed(control);
               row.slot != 0 && control == row.names.drive) {
        ChooseDrive(row.slot, text);
    }
}

void LauncherPanel::Entered(std::string_view control) {
    if (control == "NPATH") {
        EnterInstallPath();
    }
}

} // namespace zel
