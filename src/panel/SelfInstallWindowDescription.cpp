#include "panel/WindowDescriptions.h"

namespace zel {
namespace {

constexpr ControlDescription kControls[] = {
    {.name = "Panel1", .kind = ControlKind::Panel, .rect = {8, 8, 410, 257}},
    {.name = "Label1",
     .caption = "ZELKOR Indítópult telepítése",
     .rect = {122, 32, ControlRect::kFitText, 0},
     .parent = "Panel1",
     .font = {"MS Sans Serif", 12, true}},
    {.name = "Label2",
     .caption = "&Célmeghajtó:",
     .rect = {100, 74, ControlRect::kFitText, 0},
     .parent = "Panel1",
     .buddy = "DriveComboBox1"},
    {.name = "DriveComboBox1",
     .kind = ControlKind::DriveList,
     .rect = {164, 72, 145, 19},
     .parent = "Panel1",
     .accessibleName = "Célmeghajtó"},
    {.name = "CheckBox1",
     .kind = ControlKind::CheckBox,
     .caption = " Program&csoport létrehozása",
     .rect = {104, 112, 193, 17},
     .parent = "Panel1",
     .checked = true},
    {.name = "CheckBox2",
     .kind = ControlKind::CheckBox,
     .caption = " Parancs&ikon létrehozása az asztalon",
     .rect = {104, 136, 193, 17},
     .parent = "Panel1",
     .checked = true},
    {.name = "Gauge1",
     .kind = ControlKind::ProgressBar,
     .rect = {48, 168, 321, 17},
     .parent = "Panel1",
     .maximum = 100,
     .sunken = true},
    {.name = "Button1",
     .kind = ControlKind::Button,
     .caption = "&Start",
     .rect = {88, 208, 89, 25},
     .parent = "Panel1"},
    {.name = "Button2",
     .kind = ControlKind::Button,
     .caption = "&Mégsem",
     .rect = {232, 208, 89, 25},
     .parent = "Panel1"},
};

constexpr WindowDescription kWindow{
    .name = "TForm2",
    .title = "  ZELKOR Indítópult telepítése",
    .controls = kControls,
};

} // namespace

const WindowDescription& SelfInstallWindowDescription() {
    return kWindow;
}

} // namespace zel
