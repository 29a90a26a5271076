#pragma once
// The time of a print file as the user's locale writes it: the short date and the long
// time, and the date alone at exactly midnight.

#include "spool/PrintSpool.h"

namespace zel {

// Code page 1250, for the spool's job lists; the locale is read at each call.
[[nodiscard]] FileTimeFormatter LocaleFileTimeFormatter();

} // namespace zel
