#pragma once
// The self-installation window (TForm2) as its panel sees it. What the user chooses comes to
// the panel as it happens, by the control's name (SelfInstallPanel's ControlEvents); the
// window is never asked for it.

#include <cstddef>
#include <string>
#include <vector>

namespace zel {

class SelfInstallView {
public:
    virtual ~SelfInstallView() = default;
    // DriveComboBox1's entries, as the drive scan writes them (code page 1250), with the
    // entry at chosen shown as chosen.
    virtual void ShowDrives(const std::vector<std::string>& entries, std::size_t chosen) = 0;
    // 0 to 100, painted at once.
    virtual void SetGauge(int progress) = 0;
};

} // namespace zel
