#pragma once
// A list of the machine's drives, one entry per drive in letter order, written as the drive
// scan reads them: "a:" for a removable drive, "c: [label]" for a fixed disk, CD-ROM or RAM
// disk, the remote name for a network drive, all in lower case.

#include <QComboBox>
#include <optional>
#include <string>
#include <vector>

namespace zel {

class Platform;

// The entry of one drive; none for a drive type that the list leaves out.
std::optional<QString> DriveListEntry(Platform& platform, char letter);

class DriveComboBox final : public QComboBox {
    Q_OBJECT

public:
    explicit DriveComboBox(QWidget* parent = nullptr);

    // Lists the drives present now.
    void Fill(Platform& platform);
    // The entries in code page 1250.
    [[nodiscard]] std::vector<std::string> Entries() const;
    // The chosen drive's letter in upper case; '\0' when nothing is chosen.
    [[nodiscard]] char Drive() const;
    // Chooses the entry of a drive letter (either case); a letter not listed changes nothing.
    void SetDrive(char letter);
};

} // namespace zel
