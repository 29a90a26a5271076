#include "ui/PrintControl.h"

#include "ui/FileTimeText.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace zel {

PrintControl::PrintControl(Platform& platform, std::string spoolDirectory, QWidget& owner,
                           SpoolTiming timing)
    : m_page(
          platform, m_printer, std::move(spoolDirectory), LocaleFileTimeFormatter(), *this,
          [this] { ShowJobs(); }, std::move(timing)),
      m_owner(owner) {
    // Idle time of the event loop: input and painting come first between slices.
    m_slices.setInterval(0);
    QObject::connect(&m_slices, &QTimer::timeout, [this] { m_page.PrintSlice(); });
}

void PrintControl::ShowJobsIn(StringGrid& running, StringGrid& finished) {
    m_running.emplace(Spool().Running(), running);
    m_finished.emplace(Spool().Finished(), finished);
    ShowJobs();
}

SpoolTickResult PrintControl::Tick(bool printingEnabled) {
    return m_page.Tick(printingEnabled);
}

void PrintControl::ShowJobs() {
    if (m_running && m_finished) {
        m_running->Refresh();
        m_finished->Refresh();
    }
}

std::string PrintControl::SetupPrinter() {
    m_page.SetUpPrinter([this] { RunPrinterSetup(); });
    return CharacterPrinter();
}

void PrintControl::RunPrinterSetup() {
    QPrinter& printer = m_printer.Printer();
    const QPrinter::OutputFormat format = printer.outputFormat();
    const QString printerName = printer.printerName();
    const QString fileName = printer.outputFileName();
    const QPageLayout layout = printer.pageLayout();
    QPrintDialog dialog(&printer, &m_owner);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    if (dialog.exec() == QDialog::Accepted) {
        m_chosen = true;
    } else {
        // The dialog moves a printer that writes a file onto a real printer as it opens.
        printer.setOutputFormat(format);
        if (format == QPrinter::NativeFormat) {
            printer.setPrinterName(printerName);
        }
        printer.setOutputFileName(fileName);
        printer.setPageLayout(layout);
    }
}

std::string PrintControl::CharacterPrinter() {
    // Only a setup the user confirmed names a printer; asking sooner would set one up.
    if (!m_chosen || Printer().outputFormat() != QPrinter::NativeFormat) {
        return {};
    }
    return Printer().printerName().toStdString();
}

} // namespace zel
