#include "ui/MainWindow.h"

#include "catalogue/ProgramCatalogue.h"
#include "panel/MainWindowDescription.h"
#include "panel/RowPages.h"
#include "panel/WindowTitles.h"
#include "platform/Platform.h"
#include "ui/ControlBuilder.h"
#include "ui/DriveComboBox.h"
#include "ui/EditableCombo.h"
#include "ui/Fonts.h"
#include "ui/Glyphs.h"
#include "ui/PrintControl.h"
#include "ui/QtKeys.h"
#include "ui/QtText.h"
#include "ui/StringGrid.h"
#include "ui/WindowGeometry.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

namespace zel {

namespace {

// Never shown or filled: the drive scan reads the same entries from the platform itself.
constexpr std::array<const char*, kRowPageYears.size()> kDriveListNames = {
    "DriveComboBox1", "DriveComboBox2", "DriveComboBox3"};

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A part made on a page that may already show: what lies on the page itself must show too.
void ShowOnPage(const std::vector<QWidget*>& made, const QWidget* page) {
    for (QWidget* control : made) {
        if (control->parentWidget() == page) {
            control->setAutoFillBackground(true);
            control->show();
        }
    }
}

} // namespace

MainWindow::MainWindow(Platform& platform, ProgramCatalogue& catalogue, std::string startDirectory,
                       MessageQueue& messages)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      m_platform(platform),
      m_panel(platform, catalogue, std::move(startDirectory), *this, messages) {
    BuildUi();
    m_panel.FormCreate();
    m_printControl =
        std::make_unique<PrintControl>(m_platform, m_panel.SpoolDirectory().Text(), *this);
    m_panel.SetPrintPage(m_printControl.get());
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildUi() {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(Q(kMainWindowTitle));
    setWindowIcon(WindowIcon());
    setFont(FormFont());
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFixedSize(kOuterSize);

    const auto pages = MainWindowPages();
    const ControlDescription& pageControl = pages.front();
    m_pageControl = new QTabWidget(this);
    m_pageControl->setObjectName(FromUtf8(pageControl.name));
    m_pageControl->setGeometry(pageControl.rect.left, pageControl.rect.top, pageControl.rect.width,
                               pageControl.rect.height);
    // The pages take their place before their controls are made: a control that moves into
    // the window later takes its font again, and a combo box then builds its drop-down list.
    std::vector<QWidget*> made;
    for (const ControlDescription& described : pages.subspan(1)) {
        auto* page = new QWidget;
        page->setObjectName(FromUtf8(described.name));
        m_pageControl->addTab(page, FromUtf8(described.caption));
        made.push_back(page);
    }
    for (std::size_t i = 0; i < kRowPageYears.size(); ++i) {
        QWidget* page = made[i];
        m_rowPages[i] = page;
        // The first page is what every start shows; the others wait until they are shown.
        if (i == 0) {
            MakeRowPage(i);
        } else {
            page->installEventFilter(this);
        }
    }
    MakePrintPage(made.back());
    m_pageControl->setCurrentIndex(0);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, [this] { m_panel.SpoolTick(); });
    m_timer1->start();
}

void MainWindow::MakeRowPage(std::size_t index) {
    const RowPageYears years = kRowPageYears[index];
    if (MadeRow(RowSlot(Product::Bookkeeping, years.firstYear)).year != nullptr) {
        return;
    }
    QWidget* page = m_rowPages[index];
    const std::vector<QWidget*> made = BuildControls(*page, RowPageDescription(index));
    ShowOnPage(made, page);
    ForwardEvents(made, *this, m_panel);
    for (int year = years.firstYear; year <= years.lastYear; ++year) {
        for (const Product product : {Product::Bookkeeping, Product::Payroll}) {
            ConnectRow(*page, RowSlot(product, year));
        }
    }
    // On the bookkeeping panel, made first.
    auto* driveList = new DriveComboBox(made.front());
    driveList->setObjectName(Q(kDriveListNames[index]));
    driveList->move(300, 50);
    driveList->hide();
    m_driveLists[index] = driveList;
    if (index == 0) {
        MakeInstallBox(page);
    }
    m_panel.RowPageMade(index);
}

void MainWindow::ConnectRow(const QWidget& page, int slot) {
    const RowControlNames names = RowControlNamesOf(slot);
    RowControls& row = m_rows[static_cast<std::size_t>(slot - 1)];
    row.year = Described<QPushButton>(page, names.year);
    row.drive = Described<EditableCombo>(page, names.drive);
    row.settings = Described<QPushButton>(page, names.settings);
    for (QWidget* control : {static_cast<QWidget*>(row.year), static_cast<QWidget*>(row.drive),
                             static_cast<QWidget*>(row.settings)}) {
        ListenForKeys(control);
    }
}

void MainWindow::MakeInstallBox(QWidget* page) {
    const std::vector<QWidget*> made = BuildControls(*page, InstallBoxDescription());
    ShowOnPage(made, page);
    ForwardEvents(made, *this, m_panel);
    m_ndiskA = Described<QRadioButton>(*page, "NDISKA");
    m_ndiskC = Described<QRadioButton>(*page, "NDISKC");
    m_npath = Described<QLineEdit>(*page, "NPATH");
    m_nbrowse = Described<QPushButton>(*page, "NBROWSE");
    m_nbrowsePic = Described<QPushButton>(*page, "NBROWSEPIC");
    m_button4 = Described<QPushButton>(*page, "Button4");
    m_button5 = Described<QPushButton>(*page, "Button5");
    for (QWidget* control : {static_cast<QWidget*>(m_ndiskA), static_cast<QWidget*>(m_ndiskC),
                             static_cast<QWidget*>(m_npath), static_cast<QWidget*>(m_button4),
                             static_cast<QWidget*>(m_button5)}) {
        ListenForKeys(control);
    }
}

void MainWindow::MakePrintPage(QWidget* page) {
    m_printPage = page;
    const std::vector<QWidget*> made = BuildControls(*page, PrintPageDescription());
    ShowOnPage(made, page);
    ForwardEvents(made, *this, m_panel);
    m_printPanel = Described<QFrame>(*page, "Panel6");
    page->installEventFilter(this);
    m_edNyomDos = Described<QRadioButton>(*page, "edNyomDos");
    m_edNyomWindows = Described<QRadioButton>(*page, "edNyomWindows");
    m_button2 = Described<QPushButton>(*page, "Button2");
    ListenForKeys(m_button2);
    m_btNyomtat = Described<QAbstractButton>(*page, "btNyomtat");
    m_btMegszakit = Described<QAbstractButton>(*page, "btMegszakit");
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    group->addButton(m_btNyomtat);
    group->addButton(m_btMegszakit);
}

void MainWindow::MakeJobLists() {
    if (m_stringGrid1 != nullptr) {
        return;
    }
    // Their headings come with them: the bold face costs as much as the two tables.
    for (QWidget* control : BuildControls(*m_printPage, JobListsDescription())) {
        control->show();
    }
    m_stringGrid1 = Described<StringGrid>(*m_printPage, "StringGrid1");
    m_stringGrid2 = Described<StringGrid>(*m_printPage, "StringGrid2");
    // Made last, they would come last on Tab; they stand between the setup button and the
    // print switches.
    setTabOrder(m_button2, m_stringGrid1);
    setTabOrder(m_stringGrid1, m_stringGrid2);
    m_printControl->ShowJobsIn(*m_stringGrid1, *m_stringGrid2);
}
StringGrid* MainWindow::StringGrid1() {
    MakeJobLists();
    return m_stringGrid1;
}

StringGrid* MainWindow::StringGrid2() {
    MakeJobLists();
    return m_stringGrid2;
}

void MainWindow::ListenForKeys(QWidget* control) {
    control->installEventFilter(this);
}

RowControls MainWindow::Row(int slot) {
    if (const std::size_t page = RowPageOf(slot); page < kRowPageYears.size()) {
        MakeRowPage(page);
    }
    return MadeRow(slot);
}

const RowControls& MainWindow::MadeRow(int slot) const {
    return m_rows.at(static_cast<std::size_t>(slot - 1));
}

int MainWindow::SlotOfControl(const QObject* control) const {
    if (control == nullptr) {
        return 0;
    }
    const QObject* parent = control->parent();
    return RowSlotOfControl(control->objectName().toStdString(),
                            parent != nullptr ? parent->objectName().toStdString() : std::string());
}

KeySender MainWindow::SenderOf(const QObject* control) const {
    if (SlotOfControl(control) != 0) {
        return KeySender::Row;
    }
    if (control == nullptr) {
        return KeySender::Window;
    }
    return KeySenderOf(control->objectName().toStdString()).value_or(KeySender::Window);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto rowPage = std::find(m_rowPages.begin(), m_rowPages.end(), watched);
    if (watched == m_printPage || rowPage != m_rowPages.end()) {
        // A page itself sends no keys: those from its controls pass it on their way up.
        if (event->type() == QEvent::Show) {
            if (watched == m_printPage) {
                MakeJobLists();
            } else {
                MakeRowPage(static_cast<std::size_t>(rowPage - m_rowPages.begin()));
            }
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusIn) {
        m_panel.Entered(watched->objectName().toStdString());
    }
    if (event->type() == QEvent::KeyPress &&
        m_panel.KeyDown(SenderOf(watched), KeyOf(*static_cast<QKeyEvent*>(event)))) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // A key that a control passed on is not the window's own: Escape in a print grid stays
    // there.
    const QWidget* focus = QApplication::focusWidget();
    if ((focus == nullptr || focus == this) && m_panel.KeyDown(KeySender::Window, KeyOf(*event))) {
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    m_panel.Closed();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        KeepOuterSize();
    }
    QWidget::changeEvent(event);
}

void MainWindow::KeepOuterSize() {
    setFixedSize(kOuterSize - FrameExtra(*this));
}

} // namespace zel
