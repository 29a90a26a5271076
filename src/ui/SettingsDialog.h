#pragma once
// TForm3: the start parameters of one row's program, on the drive the row has chosen. It is
// made once and filled afresh at every opening; while it is up, the main window is disabled.

#include <QPointer>
#include <QSize>
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zel {

class ProgramCatalogue;

class SettingsDialog final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsDialog)

public:
    // owner is disabled while the dialog is shown; screenSize is what the main window
    // recorded at its creation.
    SettingsDialog(ProgramCatalogue& catalogue, QWidget* owner, QSize screenSize);
    ~SettingsDialog() override;

    // The settings button of slot was pressed; driveEntries are the texts of the row's drive
    // list, each beginning with its drive letter.
    void Open(int slot, const QStringList& driveEntries);

    void Button1Click();
    void Button3Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void MakeControls();
    void FormCreate();
    void PlaceOnceFramed();
    void FormActivate();
    [[nodiscard]] QSize OuterSize() const;

    ProgramCatalogue& m_catalogue;
    QPointer<QWidget> m_owner;
    QSize m_screenSize;
    QSize m_keptSize;
    bool m_placed = false;
    int m_slot = 0;
    std::string m_shownPath;
    std::vector<std::string> m_driveEntries;

    QFrame* m_panel = nullptr;
    QLabel* m_pnev = nullptr;
    QLabel* m_pev = nullptr;
    QLabel* m_phely = nullptr;
    QLineEdit* m_edit1 = nullptr;
    QCheckBox* m_checkBox1 = nullptr;
    QPushButton* m_button3 = nullptr;
    QPushButton* m_button1 = nullptr;
};

} // namespace zel
