#include "ui/SelfInstallWindow.h"

#include "platform/Platform.h"
#include "ui/DriveComboBox.h"
#include "ui/Fonts.h"
#include "ui/Glyphs.h"
#include "ui/WindowGeometry.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace zel {
namespace {

const QRect kPanel1(8, 8, 410, 257);

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace

SelfInstallWindow::SelfInstallWindow(Platform& platform, MessageQueue& messages,
                                     ErrorHandler onError)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_platform(platform), m_install(platform, *this, messages, std::move(onError)),
      m_screen(ScreenSize()) {
    BuildUi();
    FormActivate();
    const QSize outer = size() + FrameExtra(*this);
    move((m_screen.width() - outer.width()) / 2, (m_screen.height() - outer.height()) / 2);
}

SelfInstallWindow::~SelfInstallWindow() = default;

void SelfInstallWindow::BuildUi() {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(Q("  ZELKOR Indítópult telepítése"));
    setWindowIcon(WindowIcon());
    setFont(FormFont());
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel->setGeometry(kPanel1);

    auto* title = new QLabel(Q("ZELKOR Indítópult telepítése"), m_panel);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(SansSerifPixels(12, true));
    title->move(122, 32);
    title->adjustSize();

    auto* driveLabel = new QLabel(Q("&Célmeghajtó:"), m_panel);
    driveLabel->setObjectName(QStringLiteral("Label2"));
    driveLabel->move(100, 74);
    driveLabel->adjustSize();

    m_driveList = new DriveComboBox(m_panel);
    m_driveList->setObjectName(QStringLiteral("DriveComboBox1"));
    m_driveList->setGeometry(164, 72, 145, 19);
    m_driveList->setAccessibleName(Q("Célmeghajtó"));
    driveLabel->setBuddy(m_driveList);

    m_programGroup = new QCheckBox(Q(" Program&csoport létrehozása"), m_panel);
    m_programGroup->setObjectName(QStringLiteral("CheckBox1"));
    m_programGroup->setGeometry(104, 112, 193, 17);
    m_programGroup->setAccessibleName(Q("Programcsoport létrehozása"));
    m_programGroup->setChecked(true);

    m_desktopIcon = new QCheckBox(Q(" Parancs&ikon létrehozása az asztalon"), m_panel);
    m_desktopIcon->setObjectName(QStringLiteral("CheckBox2"));
    m_desktopIcon->setGeometry(104, 136, 193, 17);
    m_desktopIcon->setAccessibleName(Q("Parancsikon létrehozása az asztalon"));
    m_desktopIcon->setChecked(true);

    m_gauge = new QProgressBar(m_panel);
    m_gauge->setObjectName(QStringLiteral("Gauge1"));
    m_gauge->setGeometry(48, 168, 321, 17);
    m_gauge->setRange(0, 100);
    m_gauge->setValue(0);
    QPalette bar = m_gauge->palette();
    bar.setColor(QPalette::Highlight, Qt::blue);
    bar.setBrush(QPalette::Base, bar.button());
    m_gauge->setPalette(bar);

    m_start = new QPushButton(Q("&Start"), m_panel);
    m_start->setObjectName(QStringLiteral("Button1"));
    m_start->setGeometry(88, 208, 89, 25);
    m_start->setAccessibleName(Q("Start"));
    m_start->setAutoDefault(true);
    connect(m_start, &QPushButton::clicked, this, [this] { m_install.Install(); });

    m_cancel = new QPushButton(Q("&Mégsem"), m_panel);
    m_cancel->setObjectName(QStringLiteral("Button2"));
    m_cancel->setGeometry(232, 208, 89, 25);
    m_cancel->setAccessibleName(Q("Mégsem"));
    m_cancel->setAutoDefault(true);
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);

    installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>()) {
        control->installEventFilter(this);
    }
}

// In normal mode the window is made at start and seldom shown: the drives are listed as
// they are when it is first needed.
void SelfInstallWindow::ListDrives() {
    if (m_drivesListed) {
        return;
    }
    m_drivesListed = true;
    m_driveList->Fill(m_platform);
    const std::string current = m_platform.CurrentDirectory();
    if (!current.empty()) {
        m_driveList->SetDrive(current.front());
    }
}

char SelfInstallWindow::TargetDrive() {
    ListDrives();
    return m_driveList->Drive();
}

bool SelfInstallWindow::ProgramGroupChosen() {
    return m_programGroup->isChecked();
}

bool SelfInstallWindow::DesktopShortcutChosen() {
    return m_desktopIcon->isChecked();
}

void SelfInstallWindow::SetGauge(int progress) {
    m_gauge->setValue(progress);
    m_gauge->repaint();
}

// The window keeps its panel's size plus the margins around it, whatever the frame adds,
// within the screen.
void SelfInstallWindow::FormActivate() {
    const QSize frame = FrameExtra(*this);
    const QSize outer =
        (frame + QSize(kPanel1.width() + 2 * kPanel1.left(), kPanel1.height() + 2 * kPanel1.top()))
            .boundedTo(m_screen);
    setFixedSize(outer - frame);
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
    ListDrives();
    FormActivate();
    QWidget::showEvent(event);
}

} // namespace zel
