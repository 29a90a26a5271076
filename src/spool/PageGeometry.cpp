#include "spool/PageGeometry.h"

#include <cmath>

namespace zel {

int RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) {
        rounded = floor + 1.0;
    }
    return static_cast<int>(rounded);
}

PageGeometry::PageGeometry(PageSize page)
    : m_left(RoundHalfEven(page.width * 0.02)), m_top(RoundHalfEven(page.height * 0.02)),
      m_columnWidth(static_cast<double>(page.width - 2 * m_left) / kPageColumns),
      m_lineHeight(static_cast<double>(page.height - 2 * m_top) / kPageLines) {}

PixelRect PageGeometry::RunRect(double column, int line, double length,
                                const RunAttributes& attributes) const {
    PixelRect r;
    r.left = RoundHalfEven(m_columnWidth * column) + m_left + 1;
    r.top = RoundHalfEven(m_lineHeight * line) + m_top + 1;
    r.right = RoundHalfEven(m_columnWidth * (length + column)) + m_left - 1;
    r.bottom = RoundHalfEven(m_lineHeight * (line + 1)) + m_top - 1;
    if (attributes.doubleWidth) {
        r.right = r.left + 2 * (r.right - r.left);
    }
    if (attributes.doubleHeight) {
        // Reaches up over the line above, and a fifth of a line below its own.
        const int height = r.bottom - r.top;
        const int drop = RoundHalfEven(m_lineHeight * 0.2);
        r.top = r.top - height + drop;
        r.bottom = r.bottom + drop;
    }
    if (attributes.upperHalf) {
        r.bottom = r.top + (r.bottom - r.top) / 2;
    }
    if (attributes.lowerHalf) {
        r.top = r.top + (r.bottom - r.top) / 2;
    }
    return r;
}

} // namespace zel
