#include "platform/PrinterGoneText.h"

#include "text/CodePage1250.h"

namespace zel {

std::string PrinterGoneText(const std::string& printer) {
    return Utf8ToCp1250("A(z) \"") + printer +
           Utf8ToCp1250("\" nyomtató nem létezik, a nyomtatás az alapértelmezett nyomtatóra "
                        "megy.");
}

} // namespace zel
