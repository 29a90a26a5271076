// The print page: the spool's tick and the printer setup.

#include "ui/MainWindow.h"
#include "ui/MessageDialog.h"
#include "ui/PrintControl.h"
#include "ui/QtText.h"

#include <QAbstractButton>

namespace zel {

void MainWindow::Timer1Timer() {
    const SpoolTickResult result = m_printControl->Tick(m_btNyomtat->isChecked());
    if (!result.printingStopped) {
        return;
    }
    // The job went back to the queue; it prints once the user mends the printer and
    // enables printing again.
    m_btMegszakit->setChecked(true);
    if (m_messageDialog) {
        m_messageDialog->ShowMessageDialog(
            this, FromCp1250(result.error), MessageKind::Error,
            QString::fromUtf8("A Windows alapú nyomtatás jelenleg inaktív!"));
    }
}

void MainWindow::Button2Click() {
    m_printControl->SetupPrinter(this);
}

} // namespace zel
