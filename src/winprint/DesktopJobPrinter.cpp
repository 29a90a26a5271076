#include "winprint/DesktopJobPrinter.h"

#include "spool/CanvasJobPrinter.h"
#include "winprint/GdiCanvas.h"
#include "winprint/GdiPrinter.h"
#include "winprint/MeasuringFont.h"

namespace zel {

struct DesktopJobPrinter::Parts {
    GdiPrinter printer;
    MeasuringFont measure;
    GdiCanvas canvas{printer, measure};
    CanvasJobPrinter jobPrinter{canvas};
};

DesktopJobPrinter::DesktopJobPrinter() = default;

DesktopJobPrinter::~DesktopJobPrinter() = default;

DesktopJobPrinter::Parts& DesktopJobPrinter::Ready() {
    if (!m_parts) {
        m_parts = std::make_unique<Parts>();
    }
    return *m_parts;
}

void DesktopJobPrinter::BeginJob(InputFile& file, std::string_view title) {
    Ready().jobPrinter.BeginJob(file, title);
}

bool DesktopJobPrinter::PrintSlice() {
    return !m_parts || m_parts->jobPrinter.PrintSlice();
}

void DesktopJobPrinter::CancelJob() noexcept {
    if (m_parts) {
        m_parts->jobPrinter.CancelJob();
    }
}

GdiPrinter& DesktopJobPrinter::Printer() {
    return Ready().printer;
}

std::string DesktopJobPrinter::ChosenPrinter() const {
    return m_parts ? m_parts->printer.ChosenName() : std::string();
}

} // namespace zel
