#include "panel/WindowDescriptions.h"

namespace zel {
namespace {

// The scan counts 46 steps through the drive letters.
constexpr ControlDescription kControls[] = {
    {.name = "Gauge1", .kind = ControlKind::ProgressBar, .rect = {24, 28, 287, 21}, .maximum = 46},
    // As wide as the window leaves it: the scan sets 49 texts, and none is measured.
    {.name = "Label1",
     .kind = ControlKind::Text,
     .rect = {26, 8, ControlRect::kToRightEdge, 13},
     .font = {"MS Sans Serif", 11}},
};

constexpr WindowDescription kWindow{
    .name = "TForm5",
    .title = "  Program indítása",
    .font = {"System", 13},
    .width = 338,
    .height = 92,
    .controls = kControls,
};

} // namespace

const WindowDescription& ProgressWindowDescription() {
    return kWindow;
}

} // namespace zel
