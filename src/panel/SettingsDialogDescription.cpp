#include "panel/WindowDescriptions.h"

namespace zel {
namespace {

// 9 points bold at 96 dots per inch.
constexpr FontDescription kValueFont{"MS Sans Serif", 12, true};

constexpr ControlDescription kControls[] = {
    {.name = "Panel1", .kind = ControlKind::Panel, .rect = {8, 8, 401, 265}},
    {.name = "Label1",
     .caption = "A program aktuális beállításai",
     .rect = {132, 24, 137, 13},
     .parent = "Panel1"},
    // Captions end next to their values, whatever face stands in.
    {.name = "Label2",
     .caption = "Program neve:",
     .rect = {71, 56, 69, 13},
     .parent = "Panel1",
     .alignment = Alignment::Right},
    {.name = "Label3",
     .caption = "Évjárat:",
     .rect = {104, 80, 36, 13},
     .parent = "Panel1",
     .alignment = Alignment::Right},
    {.name = "Label5",
     .caption = "Futtatott program:",
     .rect = {57, 128, 83, 13},
     .parent = "Panel1",
     .alignment = Alignment::Right},
    // The values size themselves to their text, as the form's autosized labels did.
    {.name = "pnev",
     .kind = ControlKind::Text,
     .rect = {152, 56, ControlRect::kFitText, 0},
     .parent = "Panel1",
     .font = kValueFont},
    {.name = "pev",
     .kind = ControlKind::Text,
     .rect = {152, 80, ControlRect::kFitText, 0},
     .parent = "Panel1",
     .font = kValueFont},
    {.name = "phely",
     .kind = ControlKind::Text,
     .rect = {152, 128, ControlRect::kFitText, 0},
     .parent = "Panel1",
     .font = kValueFont},
    {.name = "Label4",
     .caption = "&Indító paraméterek:",
     .rect = {48, 152, 92, 13},
     .parent = "Panel1",
     .alignment = Alignment::Right,
     .buddy = "Edit1"},
    {.name = "Edit1",
     .kind = ControlKind::Edit,
     .rect = {152, 152, 209, 21},
     .parent = "Panel1",
     .accessibleName = "Indító paraméterek",
     .startsGroup = true},
    {.name = "CheckBox1",
     .kind = ControlKind::CheckBox,
     .caption = "Minden meghajtón ez legyen a &paraméter",
     .rect = {151, 176, 210, 17},
     .parent = "Panel1"},
    {.name = "Button3",
     .kind = ControlKind::Button,
     .caption = "&OK",
     .rect = {128, 216, 65, 25},
     .parent = "Panel1"},
    {.name = "Button1",
     .kind = ControlKind::Button,
     .caption = "&Mégsem",
     .rect = {216, 216, 73, 25},
     .parent = "Panel1"},
};

constexpr WindowDescription kWindow{
    .name = "TForm3",
    .title = "  Program beállítás",
    .controls = kControls,
};

} // namespace

const WindowDescription& SettingsDialogDescription() {
    return kWindow;
}

} // namespace zel
