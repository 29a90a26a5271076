#pragma once
// The user's Qt printer as a print job takes it: the file or queue, the sheet and the copies.

#include "pdf/ChosenPrinter.h"

class QPrinter;

namespace zel {

[[nodiscard]] ChosenPrinter ChosenPrinterOf(const QPrinter& printer);

} // namespace zel
