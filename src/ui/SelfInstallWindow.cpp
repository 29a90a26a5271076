#include "ui/SelfInstallWindow.h"

#include "panel/WindowDescriptions.h"
#include "panel/WindowPlacement.h"
#include "platform/Platform.h"
#include "ui/ControlBuilder.h"
#include "ui/DriveComboBox.h"
#include "ui/Glyphs.h"
#include "ui/WindowGeometry.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <vector>

namespace zel {

SelfInstallWindow::SelfInstallWindow(Platform& platform, MessageQueue& messages,
                                     ErrorHandler onError)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_install(platform, *this, messages, std::move(onError)), m_screen(ScreenSize()) {
    DescribeWindow(*this, SelfInstallWindowDescription());
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    installEventFilter(this);
    FormActivate();
    const QSize outer = size() + FrameExtra(*this);
    const auto [left, top] =
        CentredOnScreen(outer.width(), outer.height(), {m_screen.width(), m_screen.height()});
    move(left, top);
}

SelfInstallWindow::~SelfInstallWindow() = default;

void SelfInstallWindow::MakeControls() {
    if (m_start != nullptr) {
        return;
    }
    setWindowIcon(WindowIcon());
    const std::vector<QWidget*> made =
        BuildControls(*this, SelfInstallWindowDescription().controls);
    ForwardEvents(made, *this, m_install);
    m_driveList = Described<DriveComboBox>(*this, "DriveComboBox1");
    m_programGroup = Described<QCheckBox>(*this, "CheckBox1");
    m_desktopIcon = Described<QCheckBox>(*this, "CheckBox2");
    m_gauge = Described<QProgressBar>(*this, "Gauge1");
    m_start = Described<QPushButton>(*this, "Button1");
    m_cancel = Described<QPushButton>(*this, "Button2");
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);

    for (QWidget* control : findChildren<QWidget*>()) {
        control->installEventFilter(this);
    }
}

DriveComboBox* SelfInstallWindow::DriveComboBox1() {
    MakeControls();
    return m_driveList;
}

QCheckBox* SelfInstallWindow::CheckBox1() {
    MakeControls();
    return m_programGroup;
}

QCheckBox* SelfInstallWindow::CheckBox2() {
    MakeControls();
    return m_desktopIcon;
}

QProgressBar* SelfInstallWindow::Gauge1() {
    MakeControls();
    return m_gauge;
}

QPushButton* SelfInstallWindow::Button1() {
    MakeControls();
    return m_start;
}

QPushButton* SelfInstallWindow::Button2() {
    MakeControls();
    return m_cancel;
}

void SelfInstallWindow::ShowDrives(const std::vector<std::string>& entries, std::size_t chosen) {
    DriveComboBox1()->ShowEntries(entries, chosen);
}

void SelfInstallWindow::SetGauge(int progress) {
    Gauge1()->setValue(progress);
    m_gauge->repaint();
}

// Made before the window shows, the controls show with it.
void SelfInstallWindow::setVisible(bool visible) {
    if (visible) {
        MakeControls();
    }
    QWidget::setVisible(visible);
}

// The window keeps its panel's size plus the margins around it, whatever the frame adds,
// within the screen.
void SelfInstallWindow::FormActivate() {
    const QSize frame = FrameExtra(*this);
    const ControlRect& panel =
        DescribedControl(SelfInstallWindowDescription().controls, "Panel1").rect;
    const auto [width, height] =
        OuterSizeAround({panel.left, panel.top, panel.width, panel.height}, frame.width(),
                        frame.height(), {m_screen.width(), m_screen.height()});
    setFixedSize(QSize(width, height) - frame);
}

bool SelfInstallWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SelfInstallWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit Closed();
}

void SelfInstallWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        FormActivate();
    }
    QWidget::changeEvent(event);
}

void SelfInstallWindow::showEvent(QShowEvent* event) {
    m_install.Shown();
    FormActivate();
    QWidget::showEvent(event);
}

} // namespace zel
