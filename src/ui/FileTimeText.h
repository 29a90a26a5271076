#pragma once
// The time of a print file as the user's locale writes it: the short date and the long
// time, without a time-zone name, and the date alone at exactly midnight.

#include "spool/PrintSpool.h"

#include <QString>

class QDateTime;
class QLocale;

namespace zel {

QString FileTimeText(const QLocale& locale, const QDateTime& time);
// The same, in code page 1250, for the spool's job lists; the locale is read at each call.
FileTimeFormatter LocaleFileTimeFormatter();

} // namespace zel
