#include "ui/DriveComboBox.h"

#include "ui/QtText.h"

namespace zel {
namespace {

char UpperLetter(QChar c) {
    const char16_t u = c.toUpper().unicode();
    return u >= u'A' && u <= u'Z' ? static_cast<char>(u) : '\0';
}

} // namespace

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

std::vector<std::string> DriveComboBox::Entries() const {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i) {
        entries.push_back(ToCp1250(itemText(i)));
    }
    return entries;
}

char DriveComboBox::Drive() const {
    const QString entry = currentText();
    return entry.isEmpty() ? '\0' : UpperLetter(entry.front());
}

void DriveComboBox::SetDrive(char letter) {
    const char wanted = UpperLetter(QChar::fromLatin1(letter));
    for (int i = 0; i < count(); ++i) {
        if (wanted != '\0' && UpperLetter(itemText(i).front()) == wanted) {
            setCurrentIndex(i);
            return;
        }
    }
}

} // namespace zel
