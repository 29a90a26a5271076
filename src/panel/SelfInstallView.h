#pragma once
// The self-installation window (TForm2) as its Start sees it.

namespace zel {

class SelfInstallView {
public:
    virtual ~SelfInstallView() = default;
    // Upper case; '\0' when the drive list is empty.
    [[nodiscard]] virtual char TargetDrive() = 0;
    [[nodiscard]] virtual bool ProgramGroupChosen() = 0;
    [[nodiscard]] virtual bool DesktopShortcutChosen() = 0;
    // 0 to 100, painted at once.
    virtual void SetGauge(int progress) = 0;
};

} // namespace zel
