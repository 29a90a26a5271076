#pragma once
// What the panel's handlers read from and set on the main window (TForm1). A face builds
// the controls and answers these; every decision is the panel's.

#include <string>
#include <string_view>
#include <vector>

namespace zel {

struct ScreenArea {
    int width = 0;
    int height = 0;
};

class MainView {
public:
    virtual ~MainView() = default;

    // A row's drive box: its entries and the chosen one, set without a change event.
    virtual void FillDriveBox(int slot, const std::vector<std::string>& entries, int chosen) = 0;
    [[nodiscard]] virtual std::vector<std::string> DriveBoxEntries(int slot) = 0;
    [[nodiscard]] virtual std::string DriveBoxText(int slot) = 0;
    // A row's three controls, at once: its drive box may stay disabled in an enabled row.
    // An enabled drive box gets the window colour, a disabled one the face colour.
    virtual void SetRowState(int slot, bool rowEnabled, bool driveBoxEnabled) = 0;

    // The install box: NDISKA, NDISKC and NPATH with its browse buttons.
    [[nodiscard]] virtual bool FloppyChosen() = 0;
    virtual void ChooseOtherPath() = 0;
    [[nodiscard]] virtual bool OtherPathChosen() = 0;
    virtual void SetFloppyEnabled(bool enabled) = 0;
    virtual void SetOtherPathEnabled(bool enabled) = 0;
    [[nodiscard]] virtual std::string InstallPath() = 0;
    virtual void SetInstallPath(std::string_view path) = 0;
    // The file dialog for an installer: the native path chosen, or empty when cancelled.
    [[nodiscard]] virtual std::string BrowseForInstaller(std::string_view nativeFolder,
                                                         std::string_view fileName,
                                                         std::string_view filter) = 0;

    // The print page's switches.
    [[nodiscard]] virtual bool WindowsPrintMode() = 0;
    virtual void SetWindowsPrintMode(bool windows) = 0;
    [[nodiscard]] virtual bool PrintingEnabled() = 0;
    virtual void SetPrintingEnabled(bool enabled) = 0;

    // The window itself.
    [[nodiscard]] virtual ScreenArea Screen() = 0;
    virtual void MoveWindow(int left, int top) = 0;
    virtual void Repaint() = 0;
    virtual void CloseWindow() = 0;
    // The window has closed and its work is done: the program ends.
    virtual void EndProgram() = 0;
};

} // namespace zel
