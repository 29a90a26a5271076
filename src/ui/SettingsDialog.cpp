#include "ui/SettingsDialog.h"

#include "ui/Fonts.h"
#include "ui/QtKeys.h"
#include "ui/QtText.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>
#include <algorithm>

namespace zel {
namespace {

const QRect kPanel(8, 8, 401, 265);

// The form's labels sized themselves to their text; one that the standing-in face makes
// wider grows away from the edge it is aligned to.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(alignment);
    const int width = std::max(geometry.width(), label->sizeHint().width());
    const int left =
        alignment.testFlag(Qt::AlignRight) ? geometry.right() + 1 - width : geometry.left();
    label->setGeometry(left, geometry.top(), width, geometry.height());
    return label;
}

// The value labels size themselves to their text, as the form's autosized labels did.
QLabel* MakeValueLabel(QWidget* parent, const char* name, int left, int top) {
    auto* label = MakeLabel(parent, name, {}, QRect(left, top, 0, 0));
    // 9 points at 96 dots per inch.
    label->setFont(SansSerifPixels(12, true));
    return label;
}

void SetValue(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    // Enter on a focused button presses it, as in any dialog.
    button->setAutoDefault(true);
    return button;
}

} // namespace

SettingsDialog::SettingsDialog(ProgramCatalogue& catalogue, QWidget* owner, QSize screenSize,
                               ErrorHandler onError, std::function<void(int slot)> stored)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      m_settings(catalogue, *this, std::move(onError), std::move(stored)), m_owner(owner),
      m_screenSize(screenSize) {
    setObjectName(QStringLiteral("TForm3"));
    // Blocks the panel without greying it, as the old panel did.
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(QStringLiteral("  Program beállítás"));
    setFont(FormFont());
    MakeControls();
    FormCreate();
}

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::MakeControls() {
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFrameShape(QFrame::Panel);
    m_panel->setFrameShadow(QFrame::Raised);
    m_panel->setGeometry(kPanel);

    MakeLabel(m_panel, "Label1", QStringLiteral("A program aktuális beállításai"),
              QRect(132, 24, 137, 13));
    const auto rightLabel = [this](const char* name, const QString& text, const QRect& geometry) {
        // Captions end at one edge, next to their values, whatever face stands in.
        MakeLabel(m_panel, name, text, geometry, Qt::AlignRight | Qt::AlignVCenter);
    };
    rightLabel("Label2", QStringLiteral("Program neve:"), QRect(71, 56, 69, 13));
    rightLabel("Label3", QStringLiteral("Évjárat:"), QRect(104, 80, 36, 13));
    rightLabel("Label5", QStringLiteral("Futtatott program:"), QRect(57, 128, 83, 13));
    m_pnev = MakeValueLabel(m_panel, "pnev", 152, 56);
    m_pev = MakeValueLabel(m_panel, "pev", 152, 80);
    m_phely = MakeValueLabel(m_panel, "phely", 152, 128);

    auto* label4 = MakeLabel(m_panel, "Label4", QStringLiteral("&Indító paraméterek:"),
                             QRect(48, 152, 92, 13), Qt::AlignRight | Qt::AlignVCenter);
    m_edit1 = new QLineEdit(m_panel);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setGeometry(152, 152, 209, 21);
    m_edit1->setAccessibleName(QStringLiteral("Indító paraméterek"));
    label4->setBuddy(m_edit1);

    m_checkBox1 = new QCheckBox(QStringLiteral("Minden meghajtón ez legyen a &paraméter"), m_panel);
    m_checkBox1->setObjectName(QStringLiteral("CheckBox1"));
    m_checkBox1->setGeometry(151, 176, std::max(210, m_checkBox1->sizeHint().width()), 17);

    m_button3 = MakeButton(m_panel, "Button3", QStringLiteral("&OK"), QRect(128, 216, 65, 25));
    m_button1 = MakeButton(m_panel, "Button1", QStringLiteral("&Mégsem"), QRect(216, 216, 73, 25));
    connect(m_button3, &QPushButton::clicked, this, [this] { m_settings.Store(); });
    connect(m_button1, &QPushButton::clicked, this, [this] { m_settings.Cancel(); });

    setTabOrder(m_edit1, m_checkBox1);
    setTabOrder(m_checkBox1, m_button3);
    setTabOrder(m_button3, m_button1);

    for (QObject* control : {static_cast<QObject*>(this), static_cast<QObject*>(m_edit1),
                             static_cast<QObject*>(m_checkBox1), static_cast<QObject*>(m_button3),
                             static_cast<QObject*>(m_button1)}) {
        control->installEventFilter(this);
    }
}

QSize SettingsDialog::OuterSize() const {
    const QSize frame = frameGeometry().size() - size();
    const QSize outer = frame + kPanel.size() + 2 * QSize(kPanel.left(), kPanel.top());
    return outer.boundedTo(m_screenSize);
}

void SettingsDialog::FormCreate() {
    const QSize outer = OuterSize();
    m_keptSize = outer;
    setFixedSize(outer - (frameGeometry().size() - size()));
    move((m_screenSize.width() - outer.width()) / 2, (m_screenSize.height() - outer.height()) / 2);
}

void SettingsDialog::PlaceOnceFramed() {
    // The frame is known only once the window has been shown: centre it again by its
    // outer size, the first time only, so that a place the user chose stays.
    if (!m_placed) {
        m_placed = true;
        FormCreate();
    }
}

void SettingsDialog::FormActivate() {
    m_keptSize = OuterSize();
    // The user cannot change the size: the client area stays what the kept size leaves.
    setFixedSize(m_keptSize - (frameGeometry().size() - size()));
}

void SettingsDialog::ShowValues(std::string_view productName, int year,
                                std::string_view programPath) {
    SetValue(m_pnev, FromCp1250(productName));
    SetValue(m_pev, QString::number(year));
    SetValue(m_phely, FromCp1250(programPath));
}

std::string SettingsDialog::ParameterText() {
    return ToCp1250(m_edit1->text());
}

void SettingsDialog::SetParameterText(std::string_view text) {
    m_edit1->setText(FromCp1250(text));
}

bool SettingsDialog::AllDrivesChecked() {
    return m_checkBox1->isChecked();
}

void SettingsDialog::SetAllDrivesChecked(bool checked) {
    m_checkBox1->setChecked(checked);
}

void SettingsDialog::SetAllDrivesEnabled(bool enabled) {
    m_checkBox1->setEnabled(enabled);
}

void SettingsDialog::ShowDialog() {
    m_focusReturn.Remember();
    show();
    raise();
    activateWindow();
    m_edit1->setFocus();
}

void SettingsDialog::HideDialog() {
    close();
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        m_settings.KeyDown(watched == m_edit1 || watched == m_checkBox1,
                           KeyOf(*static_cast<QKeyEvent*>(event)))) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SettingsDialog::closeEvent(QCloseEvent* event) {
    m_settings.Closed();
    event->accept();
    m_focusReturn.GiveBack();
}

void SettingsDialog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_owner != nullptr && windowHandle() != nullptr && m_owner->window()->windowHandle()) {
        windowHandle()->setTransientParent(m_owner->window()->windowHandle());
    }
    PlaceOnceFramed();
    FormActivate();
}

} // namespace zel
