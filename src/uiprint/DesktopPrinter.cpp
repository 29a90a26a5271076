#include "uiprint/DesktopPrinter.h"

#include "pdf/PdfCanvas.h"
#include "spool/CanvasJobPrinter.h"
#include "text/CodePage1250.h"
#include "uiprint/MeasureWindow.h"
#include "uiprint/PrinterMaking.h"
#include "uiprint/QtChosenPrinter.h"
#include "uiprint/QtPrintFont.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <stdexcept>

namespace zel {

struct DesktopPrinter::Parts {
    Parts(std::unique_ptr<QPrinter> made, std::chrono::milliseconds patience)
        : printer(std::move(made)),
          canvas([chosen = printer.get()] { return ChosenPrinterOf(*chosen); }, font, patience) {}

    std::unique_ptr<QPrinter> printer;
    MeasureWindow measure;
    QtPrintFont font{measure};
    PdfCanvas canvas;
    CanvasJobPrinter jobPrinter{canvas};
};

DesktopPrinter::DesktopPrinter(std::chrono::milliseconds patience) : m_patience(patience) {}

DesktopPrinter::~DesktopPrinter() = default;

DesktopPrinter::Parts& DesktopPrinter::Ready() {
    if (!m_parts) {
        std::unique_ptr<QPrinter> printer =
            m_making ? m_making->Take() : std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_making.reset();
        m_parts = std::make_unique<Parts>(std::move(printer), m_patience);
    }
    return *m_parts;
}

void DesktopPrinter::BeginJob(InputFile& file, std::string_view title) {
    if (m_parts) {
        m_parts->jobPrinter.BeginJob(file, title);
        return;
    }
    // A printer still being made for an earlier job that gave up serves this one.
    if (!m_making) {
        m_making = std::make_unique<PrinterMaking>();
    }
    m_waiting =
        WaitingJob{&file, std::string(title), std::chrono::steady_clock::now() + m_patience};
}

bool DesktopPrinter::StartWaitingJob() {
    if (!m_making->Made()) {
        if (std::chrono::steady_clock::now() < m_waiting->deadline) {
            return false;
        }
        m_waiting.reset();
        throw std::runtime_error(Utf8ToCp1250(kServerSilent));
    }
    const WaitingJob job = *m_waiting;
    m_waiting.reset();
    Ready().jobPrinter.BeginJob(*job.file, job.title);
    return true;
}

bool DesktopPrinter::PrintSlice() {
    if (m_waiting && !StartWaitingJob()) {
        return false;
    }
    return !m_parts || m_parts->jobPrinter.PrintSlice();
}

void DesktopPrinter::CancelJob() noexcept {
    m_waiting.reset();
    if (m_parts) {
        m_parts->jobPrinter.CancelJob();
    }
}

QPrinter& DesktopPrinter::Printer() {
    return *Ready().printer;
}

void DesktopPrinter::RunSetup(QWidget& owner) {
    QPrinter& printer = Printer();
    const QPrinter::OutputFormat format = printer.outputFormat();
    const QString printerName = printer.printerName();
    const QString fileName = printer.outputFileName();
    const QPageLayout layout = printer.pageLayout();
    QPrintDialog dialog(&printer, &owner);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    if (dialog.exec() == QDialog::Accepted) {
        m_chosen = true;
        return;
    }
    // The dialog moves a printer that writes a file onto a real printer as it opens.
    printer.setOutputFormat(format);
    if (format == QPrinter::NativeFormat) {
        printer.setPrinterName(printerName);
    }
    printer.setOutputFileName(fileName);
    printer.setPageLayout(layout);
}

std::string DesktopPrinter::CharacterPrinter() {
    // Only a setup the user confirmed names a printer; asking sooner would set one up.
    if (!m_chosen || Printer().outputFormat() != QPrinter::NativeFormat) {
        return {};
    }
    return Printer().printerName().toStdString();
}

} // namespace zel
