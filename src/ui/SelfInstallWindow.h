#pragma once
// The window of the launcher's own installation (TForm2): the target drive, whether to make
// the program group entry and the desktop shortcut, and the copy's progress. In install
// mode it is the program's main window.

#include "panel/SelfInstallPanel.h"
#include "panel/SelfInstallView.h"

#include <QWidget>

class QCheckBox;
class QProgressBar;
class QPushButton;

namespace zel {

class DriveComboBox;
class Platform;

class SelfInstallWindow final : public QWidget, public SelfInstallView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SelfInstallWindow)

public:
    SelfInstallWindow(Platform& platform, MessageQueue& messages, ErrorHandler onError);
    ~SelfInstallWindow() override;

    // The controls and the icon are made when the window is first shown or a control is
    // asked for: a normal start makes the window but seldom shows it.
    [[nodiscard]] DriveComboBox* DriveComboBox1();
    [[nodiscard]] QCheckBox* CheckBox1();
    [[nodiscard]] QCheckBox* CheckBox2();
    [[nodiscard]] QProgressBar* Gauge1();
    // "&Start": the installation is connected to its clicked signal.
    [[nodiscard]] QPushButton* Button1();
    [[nodiscard]] QPushButton* Button2();

    // SelfInstallView.
    void ShowDrives(const std::vector<std::string>& entries, std::size_t chosen) override;
    void SetGauge(int progress) override;

    void setVisible(bool visible) override;

signals:
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void MakeControls();
    void FormActivate();

    SelfInstallPanel m_install;
    QSize m_screen;
    DriveComboBox* m_driveList = nullptr;
    QCheckBox* m_programGroup = nullptr;
    QCheckBox* m_desktopIcon = nullptr;
    QProgressBar* m_gauge = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace zel
