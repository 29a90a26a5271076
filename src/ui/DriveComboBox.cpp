#include "ui/DriveComboBox.h"

#include "ui/QtText.h"

namespace zel {

DriveComboBox::DriveComboBox(QWidget* parent) : QComboBox(parent) {}

void DriveComboBox::ShowEntries(const std::vector<std::string>& entries, std::size_t chosen) {
    clear();
    for (const std::string& entry : entries) {
        addItem(FromCp1250(entry));
    }
    if (chosen < entries.size()) {
        setCurrentIndex(static_cast<int>(chosen));
    }
}

} // namespace zel
