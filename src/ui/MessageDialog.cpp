#include "ui/MessageDialog.h"

#include "panel/MessageDialogLayout.h"
#include "panel/WindowDescriptions.h"
#include "panel/WindowPlacement.h"
#include "ui/Application.h"
#include "ui/ControlBuilder.h"
#include "ui/MessagePictures.h"
#include "ui/QtText.h"
#include "ui/WindowGeometry.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace zel {

MessageDialog::MessageDialog()
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint) {
    BuildUi();
}

MessageDialog::~MessageDialog() = default;

void MessageDialog::BuildUi() {
    BuildControls(*this, MessageDialogDescription());
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    // Blocks the panel's windows without greying them, as the old panel did.
    setWindowModality(Qt::ApplicationModal);

    m_image1 = Described<QLabel>(*this, "Image1");
    m_image2 = Described<QLabel>(*this, "Image2");
    m_image3 = Described<QLabel>(*this, "Image3");
    m_image1->setPixmap(ErrorPicture());
    m_image2->setPixmap(WarningPicture());
    m_image3->setPixmap(InformationPicture());
    m_label1 = Described<QLabel>(*this, "Label1");
    m_label2 = Described<QLabel>(*this, "Label2");
    m_button1 = Described<QPushButton>(*this, "Button1");
    connect(m_button1, &QPushButton::clicked, this, &MessageDialog::Button1Click);
}

QWidget* MessageDialog::CurrentOwner() const {
    return m_ownerIsSelf ? const_cast<MessageDialog*>(this) : m_owner.data();
}

void MessageDialog::SetWindows(QWidget* mainWindow, QWidget* selfInstallWindow) {
    m_mainWindow = mainWindow;
    m_selfInstallWindow = selfInstallWindow;
}

void MessageDialog::ShowStandardError(std::string_view text) {
    zel::ShowStandardError(FromCp1250(text));
}

void MessageDialog::ShowMessageDialog(MessageOwner owner, std::string_view text, MessageKind kind,
                                      std::string_view detail, std::function<void()> afterwards) {
    QWidget* ownerWindow = owner == MessageOwner::MainWindow          ? m_mainWindow.data()
                           : owner == MessageOwner::SelfInstallWindow ? m_selfInstallWindow.data()
                                                                      : nullptr;
    // A message that replaces one still on screen keeps the focus that one will give back,
    // and what was to follow it.
    if (!isVisible()) {
        m_focusReturn.Remember();
    }
    if (afterwards) {
        m_afterwards.push_back(std::move(afterwards));
    }
    m_ownerIsSelf = ownerWindow == nullptr;
    m_owner = ownerWindow;

    m_image1->hide();
    m_image2->hide();
    m_image3->hide();
    switch (kind) {
    case MessageKind::Error:
        m_image1->show();
        setWindowTitle(QStringLiteral("  Hiba"));
        break;
    case MessageKind::Warning:
        m_image2->show();
        setWindowTitle(QStringLiteral("  Figyelem"));
        break;
    case MessageKind::Information:
        m_image3->show();
        setWindowTitle(QStringLiteral("  Információ"));
        break;
    }

    m_label1->setText(FromCp1250(text).left(kMessageMaxText));
    m_label2->setText(FromCp1250(detail).left(kMessageMaxText));
    m_label1->adjustSize();
    m_label2->adjustSize();
    m_label1->move(kMessageLineLeft, detail.empty() ? kMessageSingleLineTop : kMessageFirstLineTop);

    if (!testAttribute(Qt::WA_WState_Created)) {
        create();
    }
    Place();
    if (QWindow* window = windowHandle()) {
        window->setTransientParent(m_owner ? m_owner->window()->windowHandle() : nullptr);
    }
    const QSize frameBefore = FrameExtra(*this);
    show();
    if (FrameExtra(*this) != frameBefore) {
        Place();
    }
    raise();
    activateWindow();
    m_button1->setFocus();
    repaint();
}

// Size and position go by the outer size, which includes the frame.
void MessageDialog::Place() {
    // The width follows the first line only; a longer second line is cut off at the edge.
    const QSize frame = FrameExtra(*this);
    const int outerWidth = m_label1->x() + m_label1->width() + kMessageRightMargin;
    setFixedSize(outerWidth - frame.width(), kMessageClientHeight);
    m_button1->move((outerWidth - kMessageButtonWidth) / 2, m_button1->y());

    const int outerHeight = kMessageClientHeight + frame.height();
    const QRect area = m_owner ? m_owner->frameGeometry() : QRect(QPoint(0, 0), ScreenSize());
    const auto [left, top] = CentredOver(outerWidth, outerHeight,
                                         {area.left(), area.top(), area.width(), area.height()});
    move(left, top);
}

void MessageDialog::Button1Click() {
    const QPointer<QWidget> owner = m_owner;
    close();
    if (owner && owner == m_selfInstallWindow) {
        owner->close();
    }
}

void MessageDialog::FormClose() {
    m_focusReturn.GiveBack();
    // What follows may show the next message: it runs once this one is hidden, as a message
    // shown while the close is under way would be hidden with it.
    auto afterwards = std::move(m_afterwards);
    m_afterwards.clear();
    if (!afterwards.empty()) {
        QTimer::singleShot(0, this, [afterwards = std::move(afterwards)] {
            for (const auto& next : afterwards) {
                next();
            }
        });
    }
}

void MessageDialog::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    FormClose();
    emit Closed();
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
    // Escape closes the message as the close box does.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zel
