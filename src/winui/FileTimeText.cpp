#include "winui/FileTimeText.h"

#include "platform/win32/SystemTime.h"
#include "text/WideText.h"
#include "winui/Win32Ui.h"

#include <string>

namespace zel {
namespace {

constexpr int kCapacity = 128;

std::wstring Terminated(const wchar_t* text, int length) {
    return length > 0 ? std::wstring(text, static_cast<std::size_t>(length - 1)) : std::wstring();
}

} // namespace

FileTimeFormatter LocaleFileTimeFormatter() {
    return [](const LocalDateTime& t) {
        const SYSTEMTIME time = win32::ToSystemTime(t);
        wchar_t date[kCapacity]{};
        std::wstring text = Terminated(date, GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE,
                                                            &time, nullptr, date, kCapacity));
        if (t.hour != 0 || t.minute != 0 || t.second != 0) {
            wchar_t clock[kCapacity]{};
            text += L' ' + Terminated(clock, GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr,
                                                            clock, kCapacity));
        }
        return Cp1250FromWide(text);
    };
}

} // namespace zel
