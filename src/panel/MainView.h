#pragma once
// What the panel shows on the main window (TForm1). The panel holds every row's drives, the
// print mode and the printing switch and pushes them here; a face builds the controls,
// renders what it is given and forwards the user's changes, never asked for them back.

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
    // A row's three controls, at once: its drive box may stay disabled in an enabled row.
    // Both come only for the rows of a page the face has made.
    // An enabled drive box gets the window colour, a disabled one the face colour.
    virtual void SetRowState(int slot, bool rowEnabled, bool driveBoxEnabled) = 0;

    // The install box: NDISKA, NDISKC and NPATH with its browse buttons.
    virtual void SetInstallSource(bool floppy) = 0;
    virtual void SetFloppyEnabled(bool enabled) = 0;
    virtual void SetOtherPathEnabled(bool enabled) = 0;
    virtual void SetInstallPath(std::string_view path) = 0;
    // The file dialog for an installer: the native path chosen, or empty when cancelled.
    [[nodiscard]] virtual std::string BrowseForInstaller(std::string_view nativeFolder,
                                                         std::string_view fileName,
                                                         std::string_view filter) = 0;

    // The print page's switches.
    virtual void SetWindowsPrintMode(bool windows) = 0;
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
