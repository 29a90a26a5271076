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

void DesktopPrinter::BeginJob(InputFile& file, std::string_view title) {
    Ready().jobPrinter.BeginJob(file, title);
}

bool DesktopPrinter::PrintSlice() {
    return !m_parts || m_parts->jobPrinter.PrintSlice();
}

void DesktopPrinter::CancelJob() noexcept {
    if (m_parts) {
        m_parts->jobPrinter.CancelJob();
    }
}

QPrinter& DesktopPrinter::Printer() {
    return Ready().printer;
}

} // namespace zel
