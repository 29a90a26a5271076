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
    // Most runs show no message: the controls, their pictures and their font wait for one.
    setObjectName(FromUtf8(MessageDialogDescription().name));
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
    connect(m_button1, &QPushButton::clicked, this, [this] { m_queue.Ok(); });
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

void MessageDialog::ShowMessage(const MessageOnScreen& message) {
    QWidget* ownerWindow = message.owner == MessageOwner::MainWindow ? m_mainWindow.data()
                           : message.owner == MessageOwner::SelfInstallWindow
                               ? m_selfInstallWindow.data()
                               : nullptr;
    m_ownerIsSelf = ownerWindow == nullptr;
    m_owner = ownerWindow;
    if (m_button1 == nullptr) {
        BuildUi();
    }

    m_image1->setVisible(message.kind == MessageKind::Error);
    m_image2->setVisible(message.kind == MessageKind::Warning);
    m_image3->setVisible(message.kind == MessageKind::Information);
    setWindowTitle(FromCp1250(message.title));

    m_label1->setText(FromCp1250(message.text));
    m_label2->setText(FromCp1250(message.detail));
    m_label1->adjustSize();
    m_label2->adjustSize();
    m_label1->move(kMessageLineLeft, MessageFirstLineTop(!message.detail.empty()));

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

void MessageDialog::HideMessage() {
    hide();
}

void MessageDialog::RunLater(std::function<void()> next) {
    QTimer::singleShot(0, this, std::move(next));
}

void MessageDialog::CloseSelfInstallWindow() {
    if (m_selfInstallWindow) {
        m_selfInstallWindow->close();
    }
}

// Size and position go by the outer size, which includes the frame.
void MessageDialog::Place() {
    const QSize frame = FrameExtra(*this);
    const MessageWidth width = MessageWidthFor(m_label1->width());
    const int outerWidth = width.outer;
    setFixedSize(outerWidth - frame.width(), kMessageClientHeight);
    m_button1->move(width.buttonLeft, m_button1->y());

    const int outerHeight = kMessageClientHeight + frame.height();
    const QRect area = m_owner ? m_owner->frameGeometry() : QRect(QPoint(0, 0), ScreenSize());
    const auto [left, top] = CentredOver(outerWidth, outerHeight,
                                         {area.left(), area.top(), area.width(), area.height()});
    move(left, top);
}

void MessageDialog::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    m_queue.Close();
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
