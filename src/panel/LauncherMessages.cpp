#include "panel/LauncherMessages.h"

#include "text/CodePage1250.h"

namespace zel {

std::string ParametersTooLongText() {
    return Utf8ToCp1250("Az indító paraméterek a kiegészítésekkel együtt nem férnek el a "
                        "programinformációs fájlban!");
}

std::string ParametersTooLongAdvice() {
    return Utf8ToCp1250(" Ahol a program ebből a fájlból indul, a szöveg vége elvész.");
}

std::string SettingsNotSavedText() {
    return Utf8ToCp1250("A beállítások mentése nem sikerült!");
}

} // namespace zel
