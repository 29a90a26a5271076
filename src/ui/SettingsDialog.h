#pragma once
// TForm3's Qt face: the start parameters of one row's program, on the drive the row has
// chosen. It is made once and filled afresh at every opening; while it is up the main window
// takes no input, and afterwards its focused control gets the focus back.

#include "panel/SettingsPanel.h"
#include "panel/SettingsView.h"
#include "ui/FocusReturn.h"

#include <QPointer>
#include <QSize>
#include <QWidget>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zel {

class SettingsDialog final : public QWidget, public SettingsView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsDialog)

public:
    // owner is the window the dialog belongs to; screenSize is what the main window
    // recorded at its creation.
    SettingsDialog(ProgramCatalogue& catalogue, QWidget* owner, QSize screenSize,
                   ErrorHandler onError, std::function<void(int slot)> stored = {});
    ~SettingsDialog() override;

    [[nodiscard]] SettingsPanel& Panel() { return m_settings; }

    // SettingsView.
    void ShowValues(std::string_view productName, int year, std::string_view programPath) override;
    void SetParameterText(std::string_view text) override;
    void SetAllDrivesChecked(bool checked) override;
    void SetAllDrivesEnabled(bool enabled) override;
    void ShowDialog() override;
    void HideDialog() override;

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

    SettingsPanel m_settings;
    QPointer<QWidget> m_owner;
    FocusReturn m_focusReturn;
    QSize m_screenSize;
    QSize m_keptSize;
    bool m_placed = false;

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
