// What the panel shows on the main window's controls.

#include "panel/MainWindowDescription.h"
#include "ui/ControlBuilder.h"
#include "ui/EditableCombo.h"
#include "ui/MainWindow.h"
#include "ui/QtText.h"
#include "ui/WindowGeometry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace zel {
namespace {

void SetFaceColour(QComboBox* combo, bool face) {
    QPalette palette = combo->palette();
    const QBrush base = face ? palette.button() : QApplication::palette(combo).base();
    // Each row is told its state as its page is made and again after the drive scan.
    const auto hasBase = [&](QPalette::ColorGroup group) {
        return palette.brush(group, QPalette::Base) == base;
    };
    if (hasBase(QPalette::Active) && hasBase(QPalette::Inactive) && hasBase(QPalette::Disabled)) {
        return;
    }
    palette.setBrush(QPalette::Base, base);
    combo->setPalette(palette);
}

} // namespace

void MainWindow::FillDriveBox(int slot, const std::vector<std::string>& entries, int chosen) {
    QComboBox* box = MadeRow(slot).drive;
    if (box == nullptr) {
        return;
    }
    // Filling the box is no choice of the user's.
    const QSignalBlocker blocker(box);
    box->clear();
    for (const std::string& entry : entries) {
        box->addItem(FromCp1250(entry));
    }
    box->setCurrentIndex(chosen);
}

std::string MainWindow::DriveBoxText(int slot) const {
    const QComboBox* box = MadeRow(slot).drive;
    return box == nullptr ? std::string{} : ToCp1250(box->currentText());
}

void MainWindow::SetRowState(int slot, bool rowEnabled, bool driveBoxEnabled) {
    const RowControls& row = MadeRow(slot);
    if (row.year == nullptr) {
        return;
    }
    row.year->setEnabled(rowEnabled);
    row.drive->setEnabled(driveBoxEnabled);
    row.settings->setEnabled(rowEnabled);
    SetFaceColour(row.drive, !driveBoxEnabled);
}

void MainWindow::SetInstallSource(bool floppy) {
    (floppy ? m_ndiskA : m_ndiskC)->setChecked(true);
}

void MainWindow::SetFloppyEnabled(bool enabled) {
    m_ndiskA->setEnabled(enabled);
}

void MainWindow::SetOtherPathEnabled(bool enabled) {
    for (const std::string_view name : kOtherPathControls) {
        Described<QWidget>(*m_rowPages[0], name)->setEnabled(enabled);
    }
}

void MainWindow::SetInstallPath(std::string_view path) {
    m_npath->setText(FromCp1250(path));
}

std::string MainWindow::BrowseForInstaller(std::string_view nativeFolder, std::string_view fileName,
                                           std::string_view filter) {
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(FromCp1250(filter));
    if (!nativeFolder.empty()) {
        dialog.setDirectory(
            QString::fromUtf8(nativeFolder.data(), static_cast<qsizetype>(nativeFolder.size())));
    }
    dialog.selectFile(FromCp1250(fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

void MainWindow::SetWindowsPrintMode(bool windows) {
    (windows ? m_edNyomWindows : m_edNyomDos)->setChecked(true);
}

void MainWindow::SetPrintingEnabled(bool enabled) {
    (enabled ? m_btNyomtat : m_btMegszakit)->setChecked(true);
}

ScreenArea MainWindow::Screen() {
    const QSize screen = ScreenSize();
    return {screen.width(), screen.height()};
}

void MainWindow::MoveWindow(int left, int top) {
    move(left, top);
}

void MainWindow::Repaint() {
    repaint();
}

void MainWindow::CloseWindow() {
    close();
}

void MainWindow::EndProgram() {
    emit Closed();
}

} // namespace zel
