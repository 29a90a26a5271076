#include "panel/MessageDialogLayout.h"
#include "panel/WindowDescriptions.h"

namespace zel {
namespace {

constexpr FontDescription kLineFont{"MS Sans Serif", 12};

// One picture per kind of message, all in one place; the face shows the one that fits.
constexpr ControlDescription kControls[] = {
    {.name = "Image1", .kind = ControlKind::Picture, .rect = {12, 21, 33, 33}},
    {.name = "Image2", .kind = ControlKind::Picture, .rect = {12, 21, 33, 33}},
    {.name = "Image3", .kind = ControlKind::Picture, .rect = {12, 21, 33, 33}},
    {.name = "Label1",
     .kind = ControlKind::Text,
     .rect = {kMessageLineLeft, kMessageFirstLineTop, ControlRect::kFitText, 0},
     .font = kLineFont},
    {.name = "Label2",
     .kind = ControlKind::Text,
     .rect = {kMessageLineLeft, kMessageSecondLineTop, ControlRect::kFitText, 0},
     .font = kLineFont},
    {.name = "Button1",
     .kind = ControlKind::Button,
     .caption = "&OK",
     .rect = {144, kMessageButtonTop, kMessageButtonWidth, kMessageButtonHeight},
     .font = kLineFont,
     .startsGroup = true,
     .isDefault = true},
};

// The title follows the kind of each message.
constexpr WindowDescription kWindow{
    .name = "TForm4",
    .width = kMessageClientWidth,
    .height = kMessageClientHeight,
    .controls = kControls,
};

} // namespace

const WindowDescription& MessageDialogDescription() {
    return kWindow;
}

} // namespace zel
