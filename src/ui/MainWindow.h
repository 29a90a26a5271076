#pragma once
// The launcher panel (TForm1): a row per product and year on three pages, the install box,
// the print page. Creating it prepares what the whole program shares: the spool directory,
// the application-wide error handler and, in normal mode, the program catalogue. The rows'
// own handlers are connected by the modules that serve them, through Row() and
// SlotOfControl().

#include "catalogue/ProgramSlot.h"
#include "config/DriveTable.h"
#include "config/LauncherConfig.h"
#include "config/StartupControls.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;

namespace zel {

class DriveComboBox;
class MessageDialog;
class PrintControl;
class SettingsDialog;
class Platform;
class ProgramCatalogue;
class StringGrid;
enum class Product : char;
enum class MessageKind : int;
struct RowPage;

struct RowControls {
    QPushButton* year = nullptr;     // A17
    QComboBox* drive = nullptr;      // A17PATH
    QPushButton* settings = nullptr; // sa17
};

class MainWindow final : public QWidget, public StartupControls {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    static constexpr QSize kOuterSize{600, 512};

    // Builds the window hidden and runs its creation (FormCreate).
    MainWindow(Platform& platform, ProgramCatalogue& catalogue, std::string startDirectory);
    ~MainWindow() override;

    [[nodiscard]] Platform& GetPlatform() const { return m_platform; }
    [[nodiscard]] ProgramCatalogue& Catalogue() const { return m_catalogue; }
    [[nodiscard]] const std::string& StartDirectory() const { return m_startDirectory; }
    [[nodiscard]] const std::string& SpoolDirectory() const { return m_spoolDirectory; }
    // Whether the creation found ZELPULT.INI and went on to fill the catalogue.
    [[nodiscard]] bool NormalMode() const { return m_normalMode; }

    // The windows created after this one; the error handler shows its messages through them.
    void SetMessageDialog(MessageDialog* dialog);
    void SetSelfInstallWindow(QWidget* window);
    [[nodiscard]] MessageDialog* GetMessageDialog() const;
    void SetSettingsDialog(SettingsDialog* dialog);
    [[nodiscard]] QWidget* SelfInstallWindow() const;

    // Rows by slot 1 to 60.
    [[nodiscard]] RowControls Row(int slot) const;
    // The slot of a row's year button, combo box (or its edit field) or settings button;
    // 0 for any other object.
    [[nodiscard]] int SlotOfControl(const QObject* control) const;
    // Enables or disables a row's three controls; an enabled combo box gets the window
    // colour, a disabled one the face colour.
    void SetRowEnabled(int slot, bool enabled);
    // The drive box alone: a row found on one drive offers no choice.
    void SetComboEnabled(int slot, bool enabled);

    [[nodiscard]] QTabWidget* PageControl1() const { return m_pageControl; }
    // The hidden drive list of the first page; it stays empty, as the drive scan reads the
    // same entries from the platform itself.
    [[nodiscard]] DriveComboBox* DriveComboBox1() const { return m_driveLists[0]; }
    [[nodiscard]] QRadioButton* NDISKA() const { return m_ndiskA; }
    [[nodiscard]] QRadioButton* NDISKC() const { return m_ndiskC; }
    [[nodiscard]] QLineEdit* NPATH() const { return m_npath; }
    [[nodiscard]] QPushButton* NBROWSE() const { return m_nbrowse; }
    [[nodiscard]] QPushButton* NBROWSEPIC() const { return m_nbrowsePic; }
    [[nodiscard]] QPushButton* Button4() const { return m_button4; }
    [[nodiscard]] QPushButton* Button5() const { return m_button5; }
    [[nodiscard]] QRadioButton* edNyomDos() const { return m_edNyomDos; }
    [[nodiscard]] QRadioButton* edNyomWindows() const { return m_edNyomWindows; }
    [[nodiscard]] QPushButton* Button2() const { return m_button2; }
    [[nodiscard]] QAbstractButton* btNyomtat() const { return m_btNyomtat; }
    [[nodiscard]] QAbstractButton* btMegszakit() const { return m_btMegszakit; }
    [[nodiscard]] StringGrid* StringGrid1() const { return m_stringGrid1; }
    [[nodiscard]] StringGrid* StringGrid2() const { return m_stringGrid2; }
    // The print spool's tick: 1000 ms, running from creation.
    [[nodiscard]] QTimer* Timer1() const { return m_timer1; }

    // What the configuration file gave and the drive marking found; the scan fills them.
    [[nodiscard]] LauncherConfig& Config() { return m_config; }
    [[nodiscard]] DriveTable& Drives() { return m_driveTable; }
    // The configuration as the controls hold it now.
    [[nodiscard]] LauncherConfig CurrentConfig() const;

    // StartupControls.
    void ApplyConfig(const LauncherConfig& config) override;
    void ApplyRowStates(const RowStates& states) override;

    // Handlers of the rows, the install box and the print page.
    void A96Click();
    void A96PATHChange();
    void sa96Click();
    void INSTALLClick();
    void NDISKCClick();
    void PATHEnter();
    void NBROWSEPICClick();
    void Timer1Timer();
    void Button2Click();
    // Writes the configuration file; run whenever the window closes in normal mode.
    void FormClose();
    // The configuration file failed while it was read: closing leaves it as it is rather
    // than writing the little that was read over it.
    void KeepConfigFile() { m_keepConfigFile = true; }

    // The application-wide error handler: sorts an error by its text.
    void AppException(const QString& message);
    void BENDClick();

    // Where the window stands when centred on a screen of the given size; a window larger
    // than the screen goes to its top left corner.
    static QPoint CentredOnScreen(QSize window, QSize screen);

signals:
    // The window is closing: the configuration is written here.
    void Closing();
    // The window has closed; in normal mode the program ends.
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildUi();
    QWidget* MakeRowPage(const RowPage& layout, std::size_t index);
    void MakeProductPanel(QWidget* page, const RowPage& layout, Product product);
    void MakeRow(QWidget* panel, Product product, int year, int index);
    void MakeInstallBox(QWidget* page);
    QWidget* MakePrintPage();
    void ListenForKeys(QWidget* control);

    void FormCreate();
    void ConnectHandlers();
    // A message through the one message window, owned by this window.
    void Show(const QString& text, MessageKind kind);
    bool FormKeyDown(QObject* sender, const QKeyEvent& key);
    void KeepOuterSize();

    Platform& m_platform;
    ProgramCatalogue& m_catalogue;
    std::string m_startDirectory;
    std::string m_spoolDirectory;
    bool m_normalMode = false;
    bool m_keepConfigFile = false;
    QPointer<MessageDialog> m_messageDialog;
    QPointer<QWidget> m_selfInstallWindow;
    QPointer<SettingsDialog> m_settingsDialog;
    LauncherConfig m_config;
    DriveTable m_driveTable;
    std::unique_ptr<PrintControl> m_printControl;

    std::array<RowControls, kSlotCount> m_rows{};
    QTabWidget* m_pageControl = nullptr;
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
    QAbstractButton* m_btNyomtat = nullptr;
    QAbstractButton* m_btMegszakit = nullptr;
    StringGrid* m_stringGrid1 = nullptr;
    StringGrid* m_stringGrid2 = nullptr;
    QTimer* m_timer1 = nullptr;
};

} // namespace zel
