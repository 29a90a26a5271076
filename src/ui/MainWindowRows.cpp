// The sixty rows: their states after the start-up scan, and the handlers of their year
// buttons, drive boxes and settings buttons.

#include "catalogue/ProgramCatalogue.h"
#include "launch/DriveChoice.h"
#include "launch/LaunchProcedure.h"
#include "ui/DialogMessageSink.h"
#include "ui/MainWindow.h"
#include "ui/MessageDialog.h"
#include "ui/PrintControl.h"
#include "ui/QtText.h"
#include "ui/SettingsDialog.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace zel {

void MainWindow::SetSettingsDialog(SettingsDialog* dialog) {
    m_settingsDialog = dialog;
}

void MainWindow::ApplyRowStates(const RowStates& states) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const RowState& state = states[static_cast<std::size_t>(slot - 1)];
        if (state.entries.empty()) {
            continue;
        }
        const RowControls row = Row(slot);
        {
            // Filling the box is no choice of the user's.
            const QSignalBlocker blocker(row.drive);
            row.drive->clear();
            for (const std::string& entry : state.entries) {
                row.drive->addItem(FromCp1250(entry));
            }
            row.drive->setCurrentIndex(state.preselected);
        }
        SetRowEnabled(slot, state.rowEnabled);
        if (!state.comboEnabled) {
            SetComboEnabled(slot, false);
        }
    }
    repaint();
}

void MainWindow::A96Click() {
    const int slot = SlotOfControl(sender());
    if (slot == 0 || !m_messageDialog) {
        return;
    }
    DialogMessageSink messages(*m_messageDialog, this);
    (void)LaunchProgram(
        m_platform, m_catalogue, slot, m_edNyomWindows->isChecked(), m_spoolDirectory,
        m_printControl ? m_printControl->CharacterPrinter() : std::string{}, messages);
}

void MainWindow::A96PATHChange() {
    std::array<std::string, kSlotCount> texts;
    std::array<DriveBoxState, kSlotCount> boxes;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const auto index = static_cast<std::size_t>(slot - 1);
        const QComboBox* box = Row(slot).drive;
        texts[index] = ToCp1250(box->currentText());
        boxes[index] = {box->count(), texts[index]};
    }
    TakeDriveChoices(m_catalogue, boxes);
}

void MainWindow::sa96Click() {
    const int slot = SlotOfControl(sender());
    if (slot == 0 || !m_settingsDialog) {
        return;
    }
    QStringList entries;
    const QComboBox* box = Row(slot).drive;
    for (int i = 0; i < box->count(); ++i) {
        entries << box->itemText(i);
    }
    m_settingsDialog->Open(slot, entries);
}

} // namespace zel
