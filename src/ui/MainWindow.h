#pragma once
// The launcher panel's Qt face (TForm1): a row per product and year on three pages, the
// install box, the print page. It builds the controls, forwards their events to the panel
// layer and applies what the panel sets through MainView; it decides nothing itself.

#include "catalogue/ProgramSlot.h"
#include "panel/LauncherPanel.h"
#include "panel/MainView.h"

#include <QWidget>
#include <array>
#include <memory>
#include <string>

class QAbstractButton;
class QFrame;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;

namespace zel {

class DriveComboBox;
class EditableCombo;
class MessageQueue;
class PrintControl;
class Platform;
class ProgramCatalogue;
class StringGrid;

struct RowControls {
    QPushButton* year = nullptr;     // A17
    EditableCombo* drive = nullptr;  // A17PATH
    QPushButton* settings = nullptr; // sa17
};

class MainWindow final : public QWidget, public MainView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    static constexpr QSize kOuterSize{LauncherPanel::kOuterWidth, LauncherPanel::kOuterHeight};

    // Builds the window hidden and runs its creation (FormCreate).
    MainWindow(Platform& platform, ProgramCatalogue& catalogue, std::string startDirectory,
               MessageQueue& messages);
    ~MainWindow() override;

    [[nodiscard]] LauncherPanel& Panel() { return m_panel; }

    // Rows by slot 1 to 60; a row page not shown yet is made here.
    [[nodiscard]] RowControls Row(int slot);
    // The slot of a row's year button, combo box (or its edit field) or settings button;
    // 0 for any other object.
    [[nodiscard]] int SlotOfControl(const QObject* control) const;

    [[nodiscard]] QTabWidget* PageControl1() const { return m_pageControl; }
    // The hidden drive list of the first page; it stays empty, as the drive scan reads the
    // same entries from the platform itself.
    [[nodiscard]] DriveComboBox* DriveComboBox1() const { return m_driveLists[0]; }
    [[nodiscard]] QRadioButton* NDISKA() const { return m_ndiskA; }
    [[nodiscard]] QRadioButton* NDISKC() const { return m_ndiskC; }
    [[nodiscard]] QLineEdit* NPATH() const { return m_npath; }
    [[nodiscard]] QPushButton* NBROWSE() const { return m_nbrowse; }
    [[nodiscard]] QPushButton* NBROWSEPIC() const { return m_nbrowsePic; }
    [[nodiscard]] QPushButton* Button5() const { return m_button5; }
    [[nodiscard]] QRadioButton* edNyomDos() const { return m_edNyomDos; }
    [[nodiscard]] QRadioButton* edNyomWindows() const { return m_edNyomWindows; }
    [[nodiscard]] QPushButton* Button2() const { return m_button2; }
    [[nodiscard]] QAbstractButton* btNyomtat() const { return m_btNyomtat; }
    [[nodiscard]] QAbstractButton* btMegszakit() const { return m_btMegszakit; }
    // The job tables and their headings are made when the print page is first shown, or
    // here.
    [[nodiscard]] StringGrid* StringGrid1();
    [[nodiscard]] StringGrid* StringGrid2();
    // The print spool's tick: 1000 ms, running from creation.
    [[nodiscard]] QTimer* Timer1() const { return m_timer1; }

    // What a row's drive box shows; empty while its page is not made.
    [[nodiscard]] std::string DriveBoxText(int slot) const;

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

signals:
    // The window has closed and its configuration is written; in normal mode the program
    // ends.
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildUi();
    // Once: the first page at creation, the others when first shown or asked for.
    void MakeRowPage(std::size_t index);
    void ConnectRow(const QWidget& page, int slot);
    void MakeInstallBox(QWidget* page);
    void MakePrintPage(QWidget* page);
    void MakeJobLists();
    void ListenForKeys(QWidget* control);
    // A row's controls, null until its page is made.
    [[nodiscard]] const RowControls& MadeRow(int slot) const;
    [[nodiscard]] KeySender SenderOf(const QObject* control) const;
    void KeepOuterSize();

    Platform& m_platform;
    LauncherPanel m_panel;
    std::unique_ptr<PrintControl> m_printControl;

    std::array<RowControls, kSlotCount> m_rows{}; // null until its page is made
    QTabWidget* m_pageControl = nullptr;
    std::array<QWidget*, 3> m_rowPages{};
    std::array<DriveComboBox*, 3> m_driveLists{};
    QRadioButton* m_ndiskA = nullptr;
    QRadioButton* m_ndiskC = nullptr;
    QLineEdit* m_npath = nullptr;
    QPushButton* m_nbrowse = nullptr;
    QPushButton* m_nbrowsePic = nullptr;
    QPushButton* m_button4 = nullptr;
    QPushButton* m_button5 = nullptr;
    QRadioButton* m_edNyomDos = nullptr;
    QRadioButton* m_edNyomWindows = nullptr;
    QPushButton* m_button2 = nullptr;
    QWidget* m_printPage = nullptr;
    QFrame* m_printPanel = nullptr;
    QAbstractButton* m_btNyomtat = nullptr;
    QAbstractButton* m_btMegszakit = nullptr;
    StringGrid* m_stringGrid1 = nullptr;
    StringGrid* m_stringGrid2 = nullptr;
    QTimer* m_timer1 = nullptr;
};

} // namespace zel
