#pragma once
// The window of the launcher's own installation (TForm2): the target drive, whether to make
// the program group entry and the desktop shortcut, and the copy's progress. In install
// mode it is the program's main window.

#include "panel/SelfInstallPanel.h"
#include "panel/SelfInstallView.h"

#include <QWidget>

class QCheckBox;
class QFrame;
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

    [[nodiscard]] DriveComboBox* DriveComboBox1() const { return m_driveList; }
    [[nodiscard]] QCheckBox* CheckBox1() const { return m_programGroup; }
    [[nodiscard]] QCheckBox* CheckBox2() const { return m_desktopIcon; }
    [[nodiscard]] QProgressBar* Gauge1() const { return m_gauge; }
    // "&Start": the installation is connected to its clicked signal.
    [[nodiscard]] QPushButton* Button1() const { return m_start; }
    [[nodiscard]] QPushButton* Button2() const { return m_cancel; }

    // SelfInstallView.
    void ShowDrives(const std::vector<std::string>& entries, std::size_t chosen) override;
    void SetGauge(int progress) override;

signals:
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildUi();
    void FormActivate();

    SelfInstallPanel m_install;
    QSize m_screen;
    QFrame* m_panel = nullptr;
    DriveComboBox* m_driveList = nullptr;
    QCheckBox* m_programGroup = nullptr;
    QCheckBox* m_desktopIcon = nullptr;
    QProgressBar* m_gauge = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace zel
