#pragma once
// A page as a printer lays it out: the sheet in points, and the device pixels a job draws in,
// counted from the corner of the printable area.

namespace zel {

struct SheetLayout {
    double widthPoints = 0;
    double heightPoints = 0;
    // Device pixels to the inch.
    int resolution = 72;
    // Where the printable area begins, in device pixels from the sheet's top left corner.
    int printableLeft = 0;
    int printableTop = 0;
};

} // namespace zel
