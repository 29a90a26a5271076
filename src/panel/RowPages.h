#pragma once
// The main window shows its sixty rows on three pages, the latest years first, since that
// is the page every start shows; both faces lay their row pages out from this.

#include <array>
#include <cstddef>

namespace zel {

enum class Product : char;

struct RowPageYears {
    int firstYear;
    int lastYear;
};

// In tab order; the print page follows them.
inline constexpr std::array<RowPageYears, 3> kRowPageYears = {{
    {2017, 2025},
    {2006, 2016},
    {1996, 2005},
}};

// The slot of a product's row of a year: A and B of each year follow each other.
[[nodiscard]] int RowSlot(Product product, int year);

// The index of the page that shows a slot's row; kRowPageYears.size() for no slot's.
[[nodiscard]] std::size_t RowPageOf(int slot);

} // namespace zel
