#include "ui/PrintControl.h"

#include "ui/FileTimeText.h"

#include <QPageLayout>
#include <QPrintDialog>

namespace zel {

PrintControl::PrintControl(Platform& platform, std::string spoolDirectory, StringGrid& running,
                           StringGrid& finished)
    : m_printer(QPrinter::HighResolution), m_canvas(m_printer, m_measure), m_jobPrinter(m_canvas),
      m_spool(platform, m_jobPrinter, std::move(spoolDirectory), LocaleFileTimeFormatter()),
      m_running(m_spool.Running(), running), m_finished(m_spool.Finished(), finished) {}

SpoolTickResult PrintControl::Tick(bool printingEnabled) {
    // The printer must not change under a job while its setup dialog is open.
    if (m_settingUp) {
        return {};
    }
    const SpoolTickResult result = m_spool.Tick(printingEnabled);
    m_running.Refresh();
    m_finished.Refresh();
    return result;
}

void PrintControl::SetupPrinter(QWidget* owner) {
    m_settingUp = true;
    const QPrinter::OutputFormat format = m_printer.outputFormat();
    const QString printerName = m_printer.printerName();
    const QString fileName = m_printer.outputFileName();
    const QPageLayout layout = m_printer.pageLayout();
    QPrintDialog dialog(&m_printer, owner);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    if (dialog.exec() == QDialog::Accepted) {
        m_chosen = true;
    } else {
        // The dialog moves a printer that writes a file onto a real printer as it opens.
        m_printer.setOutputFormat(format);
        if (format == QPrinter::NativeFormat) {
            m_printer.setPrinterName(printerName);
        }
        m_printer.setOutputFileName(fileName);
        m_printer.setPageLayout(layout);
    }
    m_settingUp = false;
}

std::string PrintControl::CharacterPrinter() const {
    if (!m_chosen || m_printer.outputFormat() != QPrinter::NativeFormat) {
        return {};
    }
    return m_printer.printerName().toStdString();
}

} // namespace zel
