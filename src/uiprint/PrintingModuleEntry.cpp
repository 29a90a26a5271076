// The print support module's entry points, looked up by name when the launcher opens it.

#include "panel/LauncherVersion.h"
#include "uiprint/DesktopPrinter.h"

extern "C" {

zel::DesktopPrinting* zel_make_desktop_printing_1() {
    return new zel::DesktopPrinter;
}

const char* zel_printing_module_version() {
    return ZEL_VERSION_TEXT;
}
}
