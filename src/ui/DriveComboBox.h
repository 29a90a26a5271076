#pragma once
// A list of the machine's drives, one entry per drive in letter order, written as the drive
// scan reads them ("a:", "c: [label]", a network drive's remote name).

#include <QComboBox>
#include <string>
#include <vector>

namespace zel {

class DriveComboBox final : public QComboBox {
    Q_OBJECT

public:
    explicit DriveComboBox(QWidget* parent = nullptr);

    // Lists entries (code page 1250), the one at chosen chosen.
    void ShowEntries(const std::vector<std::string>& entries, std::size_t chosen);
    // The entries in code page 1250.
    [[nodiscard]] std::vector<std::string> Entries() const;
    // The chosen drive's letter in upper case; '\0' when nothing is chosen.
    [[nodiscard]] char Drive() const;
    // Chooses the entry of a drive letter (either case); a letter not listed changes nothing.
    void SetDrive(char letter);
};

} // namespace zel
