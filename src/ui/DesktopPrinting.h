#pragma once
// The desktop printer as the print support module offers it: Qt's printers, the canvas that
// lays a job out on them and the printer setup dialog. Qt's print support binds a thousand
// symbols as it loads, which every start paid for a panel that seldom prints: the module that
// holds it is opened at the first job or printer setup (ui/PrintingModule). The launcher and
// the module are built together; the entry's name carries the revision of this interface.

#include "spool/JobPrinter.h"

#include <string>

class QPrinter;
class QWidget;

namespace zel {

class DesktopPrinting : public JobPrinter {
public:
    // The printer setup dialog, blocking owner while it is up. What the user confirms serves
    // every later job; cancelling keeps the printer as it was.
    virtual void RunSetup(QWidget& owner) = 0;
    // The printer a confirmed setup chose, for a DOS program's own printing; empty for the
    // default one, or while a file is chosen.
    [[nodiscard]] virtual std::string CharacterPrinter() = 0;
    // The printer, made now if need be (tests point it at a file).
    [[nodiscard]] virtual QPrinter& Printer() = 0;
};

// The module's entry: a desktop printer with the print server's usual patience.
using DesktopPrintingMaker = DesktopPrinting* (*)();
inline constexpr const char* kDesktopPrintingEntry = "zel_make_desktop_printing_1";
inline constexpr const char* kPrintingModuleName = "zelpult-printing.so";

} // namespace zel
