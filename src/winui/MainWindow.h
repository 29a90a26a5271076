#pragma once
// The launcher panel's Win32 face (TForm1): a row per product and year on three pages, the
// install box, the print page. It builds the native controls, forwards their events to the
// panel layer and applies what the panel sets through MainView; it decides nothing itself.

#include "panel/LauncherPanel.h"
#include "panel/MainView.h"
#include "panel/RowPages.h"
#include "winui/ActivationFocus.h"
#include "winui/ControlBuilder.h"
#include "winui/NativeWindow.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace zel {

class MessageQueue;
class Platform;
class PrintControl;
class ProgramCatalogue;

struct RowControls {
    HWND year = nullptr;     // A17
    HWND drive = nullptr;    // A17PATH
    HWND settings = nullptr; // sa17
};

// WM_COMMAND identifiers of the install box's and the print page's controls.
enum ControlId : int {
    kNDISKA = 100,
    kNDISKC,
    kNPATH,
    kNBROWSE,
    kNBROWSEPIC,
    kButton4,
    kButton5,
    kEdNyomDos,
    kEdNyomWindows,
    kButton2,
    kBtNyomtat,
    kBtMegszakit,
    kPageControl1,
};

class MainWindow final : public NativeWindow, public MainView {
public:
    static constexpr const wchar_t* kClassName = L"TForm1";
    static constexpr UINT_PTR kTimer1 = 1;

    // Builds the window hidden and runs its creation (FormCreate). closed runs once the
    // window has closed and its configuration is written.
    MainWindow(Platform& platform, ProgramCatalogue& catalogue, std::string startDirectory,
               MessageQueue& messages, std::function<void()> closed = {});
    ~MainWindow() override;

    [[nodiscard]] LauncherPanel& Panel() { return m_panel; }

    // Rows by slot 1 to 60; a row page not shown yet is made here.
    [[nodiscard]] RowControls Row(int slot);
    // The slot of a row's control (or the edit field of its combo box); 0 for any other.
    [[nodiscard]] int SlotOfControl(HWND control) const;

    [[nodiscard]] HWND PageControl1() const { return m_pageControl; }
    [[nodiscard]] HWND NDISKA() const { return m_installBox["NDISKA"]; }
    [[nodiscard]] HWND NDISKC() const { return m_installBox["NDISKC"]; }
    [[nodiscard]] HWND NPATH() const { return m_installBox["NPATH"]; }
    [[nodiscard]] HWND Button4() const { return m_installBox["Button4"]; }
    [[nodiscard]] HWND Button5() const { return m_installBox["Button5"]; }
    [[nodiscard]] HWND Button2() const { return m_printPage["Button2"]; }
    [[nodiscard]] HWND btNyomtat() const { return m_printPage["btNyomtat"]; }
    [[nodiscard]] HWND btMegszakit() const { return m_printPage["btMegszakit"]; }

    void Show();
    // Shows the page with the index in tab order, as a click on its tab would.
    void ShowPage(int index);
    // The control the window gives the focus to when it is activated again.
    void FocusControl(HWND control);
    bool PreTranslate(const MSG& message) override;

    // What the controls show: a row's drive box (empty while its page is not made), the
    // print mode, the printing switch.
    [[nodiscard]] std::string DriveBoxText(int slot) const;
    [[nodiscard]] bool FloppyChosen() const;
    [[nodiscard]] bool WindowsPrintMode() const;
    [[nodiscard]] bool PrintingEnabled() const { return m_printingEnabled; }

    // MainView.
    void FillDriveBox(int slot, const std::vector<std::string>& entries, int chosen) override;
    void SetRowState(int slot, bool rowEnabled, bool driveBoxEnabled) override;
    void SetInstallSource(bool floppy) override;
    void SetFloppyEnabled(bool enabled) override;
    void SetOtherPathEnabled(bool enabled) override;
    void SetInstallPath(std::string_view path) override;
    std::string BrowseForInstaller(std::string_view nativeFolder, std::string_view fileName,
                                   std::string_view filter) override;
    void SetWindowsPrintMode(bool windows) override;
    void SetPrintingEnabled(bool enabled) override;
    ScreenArea Screen() override;
    void MoveWindow(int left, int top) override;
    void Repaint() override;
    void CloseWindow() override;
    void EndProgram() override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void BuildUi();
    // An empty page of the page control.
    HWND MakePage();
    // Once: the first page at creation, the others when first shown or asked for.
    void MakeRowPage(std::size_t index);
    // Returns Panel4.
    HWND MakeInstallBox(HWND page);
    void MakePrintPage(HWND page);
    void AddToolTip(HWND control, const wchar_t* text);
    // A row's controls, null until its page is made.
    [[nodiscard]] RowControls MadeRow(int slot) const;

    // The form's name of a row's or a part's control; empty for any other.
    [[nodiscard]] std::string_view NameOf(HWND control) const;
    void OnCommand(int id, int notification, HWND control);
    void OnKey(Key key);
    [[nodiscard]] std::optional<KeySender> SenderOf(HWND control) const;
    [[nodiscard]] LRESULT ControlColour(HWND control, HDC context, UINT message);
    void DrawOwnerButton(const DRAWITEMSTRUCT& item) const;

    Platform& m_platform;
    LauncherPanel m_panel;
    std::function<void()> m_closed;
    std::unique_ptr<PrintControl> m_printControl;
    bool m_closing = false;

    HWND m_pageControl = nullptr;
    std::array<HWND, 4> m_pages{};
    HWND m_toolTips = nullptr;
    // By name: a control's keys reach the panel as the sender its name says, and a row's
    // controls are known by the row names; a row page's are there once it is made.
    std::array<std::optional<DescribedControls>, kRowPageYears.size()> m_rowPages;
    DescribedControls m_installBox;
    DescribedControls m_printPage;
    bool m_printingEnabled = true;
    // The control that has the focus when the window is first activated.
    HWND m_focus = nullptr;
    ActivationFocus m_activation{m_focus};
};

} // namespace zel
