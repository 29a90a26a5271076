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

MessageLines StuckListMessage(std::string_view fileName) {
    return {Utf8ToCp1250("A(z) \"") + std::string(fileName) +
                Utf8ToCp1250("\" nyomtatási lista nem nyomtatható ki, a többi nyomtatása "
                             "folytatódik!"),
            Utf8ToCp1250(" A lista a nyomtatási mappában marad.")};
}

MessageLines PrintingStoppedMessage(std::string_view error) {
    return {Utf8ToCp1250("A Windows alapú nyomtatás hiba miatt leállt: ") + std::string(error),
            Utf8ToCp1250(" Javítás után engedélyezze újra!")};
}

std::string NoTargetDriveText() {
    return Utf8ToCp1250("Nincs meghajtó, amelyre a program telepíthető!");
}

std::string SettingsNotSavedText() {
    return Utf8ToCp1250("A beállítások mentése nem sikerült!");
}

} // namespace zel
