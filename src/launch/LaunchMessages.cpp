#include "launch/LaunchMessages.h"

#include "text/CodePage1250.h"

namespace zel {

MessageLines NoPrinterWarning() {
    return {Utf8ToCp1250("Nincs nyomtató, amelyre a program karakteres nyomtatása eljuthatna."),
            Utf8ToCp1250(" Állítson be nyomtatót, vagy váltson a Windows alapú nyomtatásra!")};
}

MessageLines DosBoxMissingMessage() {
    return {Utf8ToCp1250("A DOS-os program indításához DOSBox szükséges, de nincs telepítve."),
            Utf8ToCp1250(" Telepítse a DOSBox-ot, majd indítsa újra a programot!")};
}

// The path goes into the first line: as the second it could be wider than the first.
MessageLines StartFailedMessage(std::string_view program) {
    return {Utf8ToCp1250("A(z) \"") + std::string(program) +
                Utf8ToCp1250("\" program nem indítható el!"),
            {}};
}

MessageLines BadPathMessage(std::string_view program, IoErrorKind kind) {
    return {StartFailedMessage(program).text, IoErrorText(kind)};
}

} // namespace zel
