#include "ui/PrintControl.h"

#include "ui/FileTimeText.h"

#include <QPrintDialog>
#include <QTableWidget>

namespace zel {

PrintControl::PrintControl(Platform& platform, std::string spoolDirectory, QTableWidget& running,
                           QTableWidget& finished)
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
    QPrintDialog dialog(&m_printer, owner);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    dialog.exec();
    m_settingUp = false;
}

} // namespace zel
