#include "ui/MainWindow.h"

#include "catalogue/ProgramCatalogue.h"
#include "panel/RowPages.h"
#include "panel/WindowTitles.h"
#include "platform/Platform.h"
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
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

namespace zel {

struct RowPage {
    const char* pageName;
    const char* caption;
    std::array<const char*, 2> panelNames;   // product A, product B
    std::array<const char*, 2> headingNames; // product A, product B
    const char* driveListName;
};

namespace {

// The row pages in their tab order, as kRowPageYears; the print page follows them.
const std::array<RowPage, kRowPageYears.size()> kRowPages = {{
    {"TabSheet1", "&Program indítás", {"Panel1", "Panel3"}, {"Label1", "Label2"}, "DriveComboBox1"},
    {"TabSheet2", "&Korábbi évek", {"Panel2", "Panel5"}, {"Label4", "Label6"}, "DriveComboBox2"},
    {"TabSheet4", "&Korábbi évek II", {"Panel7", "Panel8"}, {"Label7", "Label8"}, "DriveComboBox3"},
}};

constexpr int kYearButtonFontPixels = 12;
constexpr int kHeadingFontPixels = 12;

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString Heading(Product product) {
    return product == Product::Bookkeeping ? Q("Egyszeres könyvviteli program")
                                           : Q("Bérszámfejtő program");
}

int SlotOf(Product product, int year) {
    return (year - kFirstYear) * 2 + (product == Product::Bookkeeping ? 1 : 2);
}

// The caption without its mnemonic marks and edge blanks: what a screen reader says.
QString Spoken(const QString& caption) {
    QString spoken = caption;
    return spoken.remove(QLatin1Char('&')).trimmed();
}

template <typename Control> Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QFrame* MakePanel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* panel = Named(new QFrame(parent), name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    panel->setGeometry(geometry);
    return panel;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QPoint at,
                  const QFont& font) {
    auto* label = Named(new QLabel(text, parent), name);
    label->setFont(font);
    label->move(at);
    label->adjustSize();
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
    auto* button = Named(new QPushButton(caption, parent), name);
    button->setGeometry(geometry);
    button->setAccessibleName(Spoken(caption));
    button->setAutoDefault(true);
    return button;
}

QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
    auto* radio = Named(new QRadioButton(caption, parent), name);
    radio->setGeometry(geometry);
    radio->setAccessibleName(Spoken(caption));
    return radio;
}

QToolButton* MakeSpeedButton(QWidget* parent, const char* name, const QString& caption,
                             const QIcon& glyph, const QRect& geometry) {
    auto* button = Named(new QToolButton(parent), name);
    button->setText(caption);
    button->setIcon(glyph);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setCheckable(true);
    button->setGeometry(geometry);
    button->setAccessibleName(caption);
    return button;
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
    ConnectHandlers();
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

    // One picture for the sixty buttons: drawing it costs more than the button.
    m_settingsGlyph = SettingsGlyph();
    m_pageControl = Named(new QTabWidget(this), "PageControl1");
    m_pageControl->setGeometry(0, -1, 584, 474);
    // The pages take their place before their controls are made: a control that moves into
    // the window later takes its font again, and a combo box then builds its drop-down list.
    for (std::size_t i = 0; i < kRowPages.size(); ++i) {
        auto* page = Named(new QWidget, kRowPages[i].pageName);
        m_pageControl->addTab(page, Q(kRowPages[i].caption));
        m_rowPages[i] = page;
        // The first page is what every start shows; the others wait until they are shown.
        if (i == 0) {
            MakeRowPage(i);
        } else {
            page->installEventFilter(this);
        }
    }
    auto* printPage = Named(new QWidget, "TabSheet3");
    m_pageControl->addTab(printPage, Q("&Nyomtatás vezérlés"));
    MakePrintPage(printPage);
    m_pageControl->setCurrentIndex(0);

    m_timer1 = Named(new QTimer(this), "Timer1");
    m_timer1->setInterval(1000);
    m_timer1->start();
}

void MainWindow::MakeRowPage(std::size_t index) {
    const RowPage& layout = kRowPages[index];
    QWidget* page = m_rowPages[index];
    if (MadeRow(SlotOf(Product::Bookkeeping, kRowPageYears[index].firstYear)).year != nullptr) {
        return;
    }
    QFrame* bookkeeping = MakeProductPanel(page, index, Product::Bookkeeping);
    QFrame* payroll = MakeProductPanel(page, index, Product::Payroll);
    // A page made as it is shown must show what it adds.
    bookkeeping->show();
    payroll->show();
    // Never shown or filled: the drive scan reads the same entries from the platform itself.
    auto* driveList = Named(new DriveComboBox(bookkeeping), layout.driveListName);
    driveList->move(300, 50);
    driveList->hide();
    m_driveLists[index] = driveList;
    if (index == 0) {
        MakeInstallBox(page);
    }
    m_panel.RowPageMade(index);
}

QFrame* MainWindow::MakeProductPanel(QWidget* page, std::size_t index, Product product) {
    const RowPage& layout = kRowPages[index];
    const RowPageYears years = kRowPageYears[index];
    const bool payroll = product == Product::Payroll;
    QFrame* panel = MakePanel(page, layout.panelNames[payroll ? 1 : 0],
                              payroll ? QRect(292, -1, 294, 530) : QRect(-1, -1, 293, 530));
    MakeLabel(panel, layout.headingNames[payroll ? 1 : 0], Heading(product),
              payroll ? QPoint(85, 26) : QPoint(61, 26), SansSerifPixels(kHeadingFontPixels, true));
    for (int year = years.firstYear; year <= years.lastYear; ++year) {
        MakeRow(panel, product, year, year - years.firstYear);
    }
    return panel;
}

void MainWindow::MakeRow(QWidget* panel, Product product, int year, int index) {
    const int slot = SlotOf(product, year);
    const QString rowName = QString::fromStdString(RowName(slot));
    const QString about = Heading(product) + QLatin1Char(' ') + QString::number(year);
    const int shift = product == Product::Payroll ? 3 : 0;
    const int top = 68 + 31 * index;
    RowControls& row = m_rows[static_cast<std::size_t>(slot - 1)];

    row.year = new QPushButton(QString::number(year), panel);
    row.year->setObjectName(rowName);
    row.year->setGeometry(24 + shift, top, 81, 22);
    row.year->setFont(SansSerifPixels(kYearButtonFontPixels, true));
    row.year->setToolTip(Q("Program indítása"));
    row.year->setAccessibleName(QString::number(year));
    row.year->setAccessibleDescription(about);
    row.year->setAutoDefault(true);

    row.drive = new EditableCombo(panel);
    row.drive->setObjectName(rowName + QStringLiteral("PATH"));
    row.drive->setGeometry(120 + shift, top, 97, 21);
    row.drive->setInsertPolicy(QComboBox::NoInsert);
    row.drive->setAccessibleName(Q("Meghajtó"));
    row.drive->setAccessibleDescription(about);

    row.settings = new QPushButton(panel);
    row.settings->setObjectName(QStringLiteral("s") + rowName.toLower());
    row.settings->setGeometry(232 + shift, top - 2, 33, 26);
    row.settings->setIcon(m_settingsGlyph);
    row.settings->setIconSize(QSize(18, 18));
    row.settings->setToolTip(Q("Beállítások"));
    row.settings->setAccessibleName(Q("Beállítások"));
    row.settings->setAccessibleDescription(about);
    row.settings->setAutoDefault(true);

    for (QWidget* control : {static_cast<QWidget*>(row.year), static_cast<QWidget*>(row.drive),
                             static_cast<QWidget*>(row.settings)}) {
        ListenForKeys(control);
    }
    connect(row.year, &QPushButton::clicked, this, [this, slot] { m_panel.StartProgram(slot); });
    connect(row.drive, &QComboBox::currentTextChanged, this,
            [this, slot](const QString& text) { m_panel.ChooseDrive(slot, ToCp1250(text)); });
    connect(row.settings, &QPushButton::clicked, this,
            [this, slot] { m_panel.OpenSettings(slot); });
}

void MainWindow::MakeInstallBox(QWidget* page) {
    QFrame* panel4 = MakePanel(page, "Panel4", QRect(-1, 356, 586, 85));
    auto* box = Named(new QGroupBox(Q("  ZELKOR programok telepítése  "), panel4), "GroupBox2");
    box->setGeometry(24, 6, 451, 61);

    m_ndiskA = MakeRadio(box, "NDISKA", Q(" &A: floppy lemezről"), QRect(20, 18, 121, 17));
    m_ndiskC = MakeRadio(box, "NDISKC", Q(" &Egyéb útvonalról:"), QRect(20, 36, 113, 17));
    m_ndiskC->setChecked(true);

    m_npath = Named(new QLineEdit(box), "NPATH");
    m_npath->setGeometry(126, 31, 220, 21);
    m_npath->setAccessibleName(Q("Egyéb útvonal"));

    // The picture button lies over the plain one; either browses.
    m_nbrowse = MakeButton(box, "NBROWSE", QString(), QRect(328, 33, 16, 18));
    m_nbrowsePic = MakeButton(box, "NBROWSEPIC", QString(), QRect(330, 36, 11, 13));
    m_nbrowsePic->setIcon(BrowseGlyph());
    m_nbrowsePic->setIconSize(QSize(9, 3));
    m_nbrowsePic->setFlat(true);
    for (QPushButton* browse : {m_nbrowse, m_nbrowsePic}) {
        browse->setFocusPolicy(Qt::NoFocus);
        browse->setAccessibleName(Q("Tallózás"));
    }

    m_button4 = MakeButton(box, "Button4", Q("&Telepítés"), QRect(362, 20, 73, 25));
    m_button5 = MakeButton(panel4, "Button5", Q("&Kilépés"), QRect(487, 27, 74, 25));

    for (QWidget* control : {static_cast<QWidget*>(m_ndiskA), static_cast<QWidget*>(m_ndiskC),
                             static_cast<QWidget*>(m_npath), static_cast<QWidget*>(m_button4),
                             static_cast<QWidget*>(m_button5)}) {
        ListenForKeys(control);
    }
}

void MainWindow::MakePrintPage(QWidget* page) {
    m_printPage = page;
    QFrame* panel6 = MakePanel(page, "Panel6", QRect(-2, -2, 587, 493));
    m_printPanel = panel6;
    page->installEventFilter(this);

    auto* box = Named(new QGroupBox(Q("  Nyomtatás módja  "), panel6), "GroupBox3");
    box->setGeometry(32, 13, 382, 62);
    m_edNyomDos =
        MakeRadio(box, "edNyomDos",
                  Q("Hagyományos karakteres (kizárólag &DOS-kompatibilis nyomtató esetén) "),
                  QRect(15, 18, 358, 17));
    m_edNyomDos->setChecked(true);
    m_edNyomWindows = MakeRadio(box, "edNyomWindows", Q("&Windows alapértelmezett nyomtatóval"),
                                QRect(15, 37, 204, 17));

    m_button2 = MakeButton(panel6, "Button2", Q("Nyomtató &beállítás"), QRect(440, 49, 115, 25));
    ListenForKeys(m_button2);

    m_btNyomtat = MakeSpeedButton(panel6, "btNyomtat", Q("Nyomtatás engedélyezése"), TickGlyph(),
                                  QRect(31, 406, 175, 27));
    m_btMegszakit = MakeSpeedButton(panel6, "btMegszakit", Q("Nyomtatás megszakítása"),
                                    CrossGlyph(), QRect(380, 406, 175, 27));
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    group->addButton(m_btNyomtat);
    group->addButton(m_btMegszakit);
    m_btNyomtat->setChecked(true);
}

void MainWindow::MakeJobLists() {
    if (m_stringGrid1 != nullptr) {
        return;
    }
    // Their headings come with them: the bold face costs as much as the two tables.
    QFont bold = font();
    bold.setBold(true);
    MakeLabel(m_printPanel, "Label5", Q("Folyamatban lévő nyomtatások"), QPoint(31, 87), bold)
        ->show();
    MakeLabel(m_printPanel, "Label3", Q("Elvégzett nyomtatások"), QPoint(31, 246), bold)->show();
    m_stringGrid1 = Named(new StringGrid(7, 2, m_printPanel), "StringGrid1");
    m_stringGrid1->setGeometry(31, 109, 524, 126);
    m_stringGrid1->setAccessibleName(Q("Folyamatban lévő nyomtatások"));
    m_stringGrid2 = Named(new StringGrid(7, 2, m_printPanel), "StringGrid2");
    m_stringGrid2->setGeometry(31, 268, 524, 126);
    m_stringGrid2->setAccessibleName(Q("Elvégzett nyomtatások"));
    // Column widths as drawn; the spool narrows the last three to nothing.
    for (StringGrid* grid : {m_stringGrid1, m_stringGrid2}) {
        int column = 0;
        for (const int width : {304, 51, 110, 52, 39, 53, 64}) {
            grid->setColumnWidth(column++, width);
        }
        grid->show();
    }
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
    if (const std::size_t page = RowPageOf(slot); page < kRowPages.size()) {
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
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const RowControls& row = m_rows[static_cast<std::size_t>(slot - 1)];
        if (row.year != nullptr && (control == row.year || control == row.drive ||
                                    control == row.settings || control == row.drive->lineEdit())) {
            return slot;
        }
    }
    return 0;
}

void MainWindow::ConnectHandlers() {
    connect(m_button4, &QPushButton::clicked, this, [this] { m_panel.Install(); });
    connect(m_button5, &QPushButton::clicked, this, [this] { m_panel.Quit(); });
    connect(m_ndiskA, &QRadioButton::clicked, this, [this] { m_panel.ChooseInstallSource(true); });
    connect(m_ndiskC, &QRadioButton::clicked, this, [this] { m_panel.ChooseInstallSource(false); });
    connect(m_npath, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_panel.EditInstallPath(ToCp1250(text)); });
    for (QPushButton* browse : {m_nbrowse, m_nbrowsePic}) {
        connect(browse, &QPushButton::clicked, this, [this] { m_panel.BrowseForInstaller(); });
    }
    connect(m_timer1, &QTimer::timeout, this, [this] { m_panel.SpoolTick(); });
    connect(m_button2, &QPushButton::clicked, this, [this] { m_panel.PrinterSetup(); });
    connect(m_edNyomWindows, &QRadioButton::toggled, this,
            [this](bool checked) { m_panel.ChoosePrintMode(checked); });
    connect(m_btNyomtat, &QAbstractButton::toggled, this,
            [this](bool checked) { m_panel.SwitchPrinting(checked); });
}

KeySender MainWindow::SenderOf(const QObject* control) const {
    if (control == m_ndiskA) {
        return KeySender::FloppyChoice;
    }
    if (control == m_ndiskC) {
        return KeySender::OtherPathChoice;
    }
    if (control == m_npath) {
        return KeySender::PathField;
    }
    if (control == m_button4) {
        return KeySender::InstallButton;
    }
    if (control == m_button5) {
        return KeySender::ExitButton;
    }
    if (control == m_button2) {
        return KeySender::PrinterSetupButton;
    }
    return SlotOfControl(control) != 0 ? KeySender::Row : KeySender::Window;
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
    if (event->type() == QEvent::FocusIn && watched == m_npath) {
        m_panel.EnterInstallPath();
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
