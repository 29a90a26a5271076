#include "panel/RowPages.h"

#include "catalogue/ProgramCatalogue.h"
#include "catalogue/ProgramSlot.h"

namespace zel {

int RowSlot(Product product, int year) {
    return (year - kFirstYear) * 2 + (product == Product::Bookkeeping ? 1 : 2);
}

std::size_t RowPageOf(int slot) {
    const int year = kFirstYear + (slot - 1) / 2;
    std::size_t page = 0;
    while (page < kRowPageYears.size() && (slot < 1 || year < kRowPageYears[page].firstYear ||
                                           year > kRowPageYears[page].lastYear)) {
        ++page;
    }
    return page;
}

} // namespace zel
