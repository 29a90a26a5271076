#include "ui/SettingsDialog.h"

#include "panel/WindowDescriptions.h"
#include "panel/WindowPlacement.h"
#include "ui/ControlBuilder.h"
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
#include <vector>

namespace zel {
namespace {

void SetValue(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

} // namespace

SettingsDialog::SettingsDialog(ProgramCatalogue& catalogue, QWidget* owner, QSize screenSize,
                               ErrorHandler onError, std::function<void(int slot)> stored)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      m_settings(catalogue, *this, std::move(onError), std::move(stored)), m_owner(owner),
      m_screenSize(screenSize) {
    // Blocks the panel without greying it, as the old panel did.
    setWindowModality(Qt::ApplicationModal);
    MakeControls();
    FormCreate();
}

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::MakeControls() {
    DescribeWindow(*this, SettingsDialogDescription());
    const std::vector<QWidget*> made = BuildControls(*this, SettingsDialogDescription().controls);
    ForwardEvents(made, *this, m_settings);
    m_panel = Described<QFrame>(*this, "Panel1");
    m_pnev = Described<QLabel>(*this, "pnev");
    m_pev = Described<QLabel>(*this, "pev");
    m_phely = Described<QLabel>(*this, "phely");
    m_edit1 = Described<QLineEdit>(*this, "Edit1");
    m_checkBox1 = Described<QCheckBox>(*this, "CheckBox1");
    m_button3 = Described<QPushButton>(*this, "Button3");
    m_button1 = Described<QPushButton>(*this, "Button1");
    for (QObject* control : {static_cast<QObject*>(this), static_cast<QObject*>(m_edit1),
                             static_cast<QObject*>(m_checkBox1), static_cast<QObject*>(m_button3),
                             static_cast<QObject*>(m_button1)}) {
        control->installEventFilter(this);
    }
}

QSize SettingsDialog::OuterSize() const {
    const QSize frame = frameGeometry().size() - size();
    const QRect panel = m_panel->geometry();
    const auto [width, height] =
        OuterSizeAround({panel.left(), panel.top(), panel.width(), panel.height()}, frame.width(),
                        frame.height(), {m_screenSize.width(), m_screenSize.height()});
    return {width, height};
}

void SettingsDialog::FormCreate() {
    const QSize outer = OuterSize();
    m_keptSize = outer;
    setFixedSize(outer - (frameGeometry().size() - size()));
    const auto [left, top] = CentredOnScreen(outer.width(), outer.height(),
                                             {m_screenSize.width(), m_screenSize.height()});
    move(left, top);
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

void SettingsDialog::SetParameterText(std::string_view text) {
    m_edit1->setText(FromCp1250(text));
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
