#include "ui/PrintingModule.h"

#include "panel/LauncherVersion.h"
#include "platform/posix/TrustedModule.h"
#include "text/CodePage1250.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <dlfcn.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace zel {
namespace {

using ModuleVersion = const char* (*)();

// Short, as it follows the print page's own words on one line; where each place looked at
// failed goes to the error output, for whoever puts the installation right.
[[noreturn]] void Fail(const std::string& why, const std::string& detail = {}) {
    if (!detail.empty()) {
        std::fprintf(stderr, "zelpult: %s: %s\n", kPrintingModuleName, detail.c_str());
    }
    throw std::runtime_error(
        Utf8ToCp1250("A nyomtatási modul (" + std::string(kPrintingModuleName) + ") " + why));
}

} // namespace

DesktopPrintingMaker OpenPrintingModule(const std::vector<std::string>& candidates) {
    const posix::OpenedModule module = posix::OpenTrustedModule(candidates);
    if (module.handle == nullptr) {
        Fail("nem tölthető be.", module.refusal);
    }
    const auto version =
        reinterpret_cast<ModuleVersion>(::dlsym(module.handle, "zel_printing_module_version"));
    const auto maker =
        reinterpret_cast<DesktopPrintingMaker>(::dlsym(module.handle, kDesktopPrintingEntry));
    if (version == nullptr || maker == nullptr) {
        Fail("nem az Indítópulté.");
    }
    // Updated while this panel ran: its printer would not fit the launcher it meets.
    if (std::string(version()) != ZEL_VERSION_TEXT) {
        Fail("másik változatból való; indítsa újra az Indítópultot.");
    }
    return maker;
}

std::unique_ptr<DesktopPrinting> MakeModulePrinting() {
    // Opened once: a failure is told at each need, as the module may be put right meanwhile.
    static DesktopPrintingMaker maker = nullptr;
    if (maker == nullptr) {
        const std::string beside =
            QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString() + '/' +
            kPrintingModuleName;
        const std::string built = std::string(ZEL_PRINTING_MODULE_DIR) + '/' + kPrintingModuleName;
        maker =
            OpenPrintingModule(built == beside ? std::vector{beside} : std::vector{beside, built});
    }
    return std::unique_ptr<DesktopPrinting>(maker());
}

} // namespace zel
