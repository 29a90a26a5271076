#include "ui/DesktopPrinter.h"

#include "spool/CanvasJobPrinter.h"
#include "ui/MeasureWindow.h"
#include "ui/PrinterCanvas.h"

#include <QPrinter>

namespace zel {

struct DesktopPrinter::Parts {
    QPrinter printer{QPrinter::HighResolution};
    MeasureWindow measure;
    PrinterCanvas canvas{printer, measure};
    CanvasJobPrinter jobPrinter{canvas};
};

DesktopPrinter::DesktopPrinter() = default;

DesktopPrinter::~DesktopPrinter() = default;

DesktopPrinter::Parts& DesktopPrinter::Ready() {
    if (!m_parts) {
        m_parts = std::make_unique<Parts>();
    }
    return *m_parts;
}

void DesktopPrinter::PrintJob(InputFile& file, std::string_view title) {
    Ready().jobPrinter.PrintJob(file, title);
}

QPrinter& DesktopPrinter::Printer() {
    return Ready().printer;
}

} // namespace zel
