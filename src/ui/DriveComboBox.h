#pragma once
// A list of the machine's drives, one entry per drive in letter order, written as the drive
// scan reads them ("a:", "c: [label]", a network drive's remote name).

#include <QComboBox>
#include <cstddef>
#include <string>
#include <vector>

namespace zel {

class DriveComboBox final : public QComboBox {
    Q_OBJECT

public:
    explicit DriveComboBox(QWidget* parent = nullptr);

    // Lists entries (code page 1250), the one at chosen chosen.
    void ShowEntries(const std::vector<std::string>& entries, std::size_t chosen);
};

} // namespace zel
