#include "ui/DriveComboBox.h"

#include "platform/Platform.h"
#include "ui/QtText.h"

namespace zel {
namespace {

QString BracketedLabel(Platform& platform, char letter) {
    const auto label = platform.VolumeLabel(letter);
    return QStringLiteral("[") + (label ? FromCp1250(*label).toLower() : QString()) +
           QStringLiteral("]");
}

char UpperLetter(QChar c) {
    const char16_t u = c.toUpper().unicode();
    return u >= u'A' && u <= u'Z' ? static_cast<char>(u) : '\0';
}

} // namespace

std::optional<QString> DriveListEntry(Platform& platform, char letter) {
    const QString head = QChar(letter).toLower() + QStringLiteral(":");
    switch (platform.GetDriveType(letter)) {
    case DriveType::Removable:
        return head;
    case DriveType::Fixed:
    case DriveType::CdRom:
    case DriveType::RamDisk:
        return head + QStringLiteral(" ") + BracketedLabel(platform, letter);
    case DriveType::Remote:
        if (const auto remote = platform.RemoteName(letter)) {
            return head + QStringLiteral(" ") + FromCp1250(*remote).toLower();
        }
        return head + QStringLiteral(" ") + BracketedLabel(platform, letter);
    case DriveType::Unknown:
    case DriveType::NoRootDir:
        break;
    }
    return std::nullopt;
}

DriveComboBox::DriveComboBox(QWidget* parent) : QComboBox(parent) {}

void DriveComboBox::Fill(Platform& platform) {
    clear();
    for (const char letter : platform.PresentDrives()) {
        if (const auto entry = DriveListEntry(platform, letter)) {
            addItem(*entry);
        }
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
