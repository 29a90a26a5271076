#include "ui/FileTimeText.h"

#include "ui/QtText.h"

#include <QDateTime>
#include <QLocale>

namespace zel {
namespace {

// The long time format less its time-zone letters ("t"), outside quoted text.
QString LongTimeWithoutZone(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') {
            quoted = !quoted;
        }
        if (quoted || c != u't') {
            kept += c;
        }
    }
    return kept.simplified();
}

} // namespace

QString FileTimeText(const QLocale& locale, const QDateTime& time) {
    QString text = locale.toString(time.date(), QLocale::ShortFormat);
    if (time.time() != QTime(0, 0)) {
        text += u' ' + locale.toString(time.time(), LongTimeWithoutZone(locale));
    }
    return text;
}

FileTimeFormatter LocaleFileTimeFormatter() {
    return [](const LocalDateTime& t) {
        const QDateTime time(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
        return ToCp1250(FileTimeText(QLocale(), time));
    };
}

} // namespace zel
