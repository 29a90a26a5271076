// The install box: starting an accounting program's installer.

#include "install/InstallerBrowse.h"
#include "install/InstallerStart.h"
#include "platform/Platform.h"
#include "ui/DialogMessageSink.h"
#include "ui/MainWindow.h"
#include "ui/MessageDialog.h"
#include "ui/QtText.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zel {

void MainWindow::INSTALLClick() {
    if (!m_messageDialog) {
        return;
    }
    DialogMessageSink messages(*m_messageDialog, this);
    const InstallerStartResult result = StartInstaller(
        m_platform, messages, {m_ndiskA->isChecked(), ToCp1250(m_npath->text())}, m_startDirectory);
    if (result.pathText) {
        m_npath->setText(FromCp1250(*result.pathText));
    }
}

void MainWindow::NDISKCClick() {
    const bool otherPath = m_ndiskC->isChecked();
    m_npath->setEnabled(otherPath);
    m_nbrowse->setEnabled(otherPath);
    m_nbrowsePic->setEnabled(otherPath);
}

void MainWindow::PATHEnter() {
    m_ndiskC->setChecked(true);
    NDISKCClick();
}

void MainWindow::NBROWSEPICClick() {
    const BrowseStart start = SplitBrowsePath(ToCp1250(m_npath->text()));
    const FileFilter filter = InstallerFileFilter();
    const std::string folder = m_platform.ToNativePath(start.initialDirectory);
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(FromCp1250(filter.description));
    if (!folder.empty()) {
        dialog.setDirectory(QString::fromStdString(folder));
    }
    dialog.selectFile(FromCp1250(start.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QByteArray chosen = dialog.selectedFiles().constFirst().toUtf8();
    if (const auto dosPath = m_platform.FromNativePath(chosen.toStdString())) {
        m_npath->setText(FromCp1250(*dosPath));
    }
}

} // namespace zel
