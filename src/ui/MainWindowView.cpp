// What the panel reads from and sets on the main window's controls.

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
    palette.setBrush(QPalette::Base, face ? palette.button() : QApplication::palette(combo).base());
    combo->setPalette(palette);
}

} // namespace

void MainWindow::FillDriveBox(int slot, const std::vector<std::string>& entries, int chosen) {
    QComboBox* box = MadeRow(slot).drive;
    if (box == nullptr) {
        RowState& record = Record(slot);
        record.entries = entries;
        record.preselected = chosen;
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

std::vector<std::string> MainWindow::DriveBoxEntries(int slot) {
    const QComboBox* box = MadeRow(slot).drive;
    if (box == nullptr) {
        return Record(slot).entries;
    }
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(box->count()));
    for (int i = 0; i < box->count(); ++i) {
        entries.push_back(ToCp1250(box->itemText(i)));
    }
    return entries;
}

std::string MainWindow::DriveBoxText(int slot) {
    const QComboBox* box = MadeRow(slot).drive;
    if (box == nullptr) {
        return Record(slot).ComboText();
    }
    return ToCp1250(box->currentText());
}

void MainWindow::SetRowState(int slot, bool rowEnabled, bool driveBoxEnabled) {
    const RowControls& row = MadeRow(slot);
    if (row.year == nullptr) {
        RowState& record = Record(slot);
        record.rowEnabled = rowEnabled;
        record.comboEnabled = driveBoxEnabled;
        return;
    }
    row.year->setEnabled(rowEnabled);
    row.drive->setEnabled(driveBoxEnabled);
    row.settings->setEnabled(rowEnabled);
    SetFaceColour(row.drive, !driveBoxEnabled);
}

bool MainWindow::FloppyChosen() {
    return m_ndiskA->isChecked();
}

void MainWindow::ChooseOtherPath() {
    m_ndiskC->setChecked(true);
}

bool MainWindow::OtherPathChosen() {
    return m_ndiskC->isChecked();
}

void MainWindow::SetFloppyEnabled(bool enabled) {
    m_ndiskA->setEnabled(enabled);
}

void MainWindow::SetOtherPathEnabled(bool enabled) {
    m_npath->setEnabled(enabled);
    m_nbrowse->setEnabled(enabled);
    m_nbrowsePic->setEnabled(enabled);
}

std::string MainWindow::InstallPath() {
    return ToCp1250(m_npath->text());
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

bool MainWindow::WindowsPrintMode() {
    return m_edNyomWindows->isChecked();
}

void MainWindow::SetWindowsPrintMode(bool windows) {
    (windows ? m_edNyomWindows : m_edNyomDos)->setChecked(true);
}

bool MainWindow::PrintingEnabled() {
    return m_btNyomtat->isChecked();
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
