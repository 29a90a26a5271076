#pragma once
// A Qt key press in the panel's terms.

#include "panel/PanelKeys.h"

class QKeyEvent;

namespace zel {

[[nodiscard]] Key KeyOf(const QKeyEvent& key);

} // namespace zel
