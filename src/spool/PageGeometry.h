#pragma once
// The character printer's page laid over any printable area: 80 columns by 70 lines inside
// a margin of a fiftieth of the page, so a list keeps its columns on every printer.

#include "spool/Canvas.h"

namespace zel {

inline constexpr int kPageColumns = 80;
inline constexpr int kPageLines = 70;
// Condensed type puts 130 characters where 80 go.
inline constexpr double kCondensedAdvance = 8.0 / 13.0;

// Halves go to the even neighbour, as the old run-time library rounded.
int RoundHalfEven(double value);

struct RunAttributes {
    bool doubleWidth = false;
    bool doubleHeight = false;
    bool upperHalf = false;
    bool lowerHalf = false;
};

class PageGeometry final {
public:
    explicit PageGeometry(PageSize page);

    [[nodiscard]] int LeftMargin() const { return m_left; }
    [[nodiscard]] int TopMargin() const { return m_top; }
    [[nodiscard]] double ColumnWidth() const { return m_columnWidth; }
    [[nodiscard]] double LineHeight() const { return m_lineHeight; }

    // The cells of a run of length columns (already scaled by the advance factor) from
    // column on line, one pixel inside the grid lines.
    [[nodiscard]] PixelRect RunRect(double column, int line, double length,
                                    const RunAttributes& attributes) const;

private:
    int m_left;
    int m_top;
    double m_columnWidth;
    double m_lineHeight;
};

} // namespace zel
