#include "ui/MessageDialog.h"

#include "ui/Application.h"
#include "ui/Fonts.h"
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
namespace {

constexpr int kLabelLeft = 56;
constexpr int kSingleLineTop = 27;
constexpr int kFirstLineTop = 21;
constexpr int kSecondLineTop = 39;

} // namespace

MessageDialog::MessageDialog()
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint) {
    BuildUi();
}

MessageDialog::~MessageDialog() = default;

void MessageDialog::BuildUi() {
    setObjectName(QStringLiteral("TForm4"));
    setFont(FormFont());
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    setFixedSize(354, kClientHeight);
    // Blocks the panel's windows without greying them, as the old panel did.
    setWindowModality(Qt::ApplicationModal);

    m_image1 = MakePicture("Image1", ErrorPicture());
    m_image2 = MakePicture("Image2", WarningPicture());
    m_image3 = MakePicture("Image3", InformationPicture());

    const QFont lineFont = SansSerifPixels(12);
    for (QLabel** label : {&m_label1, &m_label2}) {
        *label = new QLabel(this);
        (*label)->setFont(lineFont);
        (*label)->setTextFormat(Qt::PlainText);
        (*label)->setWordWrap(false);
        (*label)->setForegroundRole(QPalette::WindowText);
    }
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label1->move(kLabelLeft, kFirstLineTop);
    m_label2->move(kLabelLeft, kSecondLineTop);

    m_button1 = new QPushButton(QStringLiteral("&OK"), this);
    m_button1->setObjectName(QStringLiteral("Button1"));
    m_button1->setAccessibleName(QStringLiteral("OK"));
    m_button1->setFont(lineFont);
    m_button1->setAutoDefault(true);
    m_button1->setGeometry(144, 64, kButtonWidth, 25);
    connect(m_button1, &QPushButton::clicked, this, [this] { m_queue.Ok(); });
}

QLabel* MessageDialog::MakePicture(const char* name, const QPixmap& picture) {
    auto* image = new QLabel(this);
    image->setObjectName(QString::fromLatin1(name));
    image->setPixmap(picture);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setGeometry(12, 21, 33, 33);
    image->hide();
    return image;
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

    m_image1->setVisible(message.kind == MessageKind::Error);
    m_image2->setVisible(message.kind == MessageKind::Warning);
    m_image3->setVisible(message.kind == MessageKind::Information);
    setWindowTitle(FromCp1250(message.title));

    m_label1->setText(FromCp1250(message.text));
    m_label2->setText(FromCp1250(message.detail));
    m_label1->adjustSize();
    m_label2->adjustSize();
    m_label1->move(kLabelLeft, message.detail.empty() ? kSingleLineTop : kFirstLineTop);

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
    // The width follows the first line only; a longer second line is cut off at the edge.
    const QSize frame = FrameExtra(*this);
    const int outerWidth = m_label1->x() + m_label1->width() + 25;
    setFixedSize(outerWidth - frame.width(), kClientHeight);
    m_button1->move((outerWidth - kButtonWidth) / 2, m_button1->y());

    const int outerHeight = kClientHeight + frame.height();
    if (m_owner) {
        const QRect area = m_owner->frameGeometry();
        move(area.left() + area.width() / 2 - outerWidth / 2,
             area.top() + area.height() / 2 - outerHeight / 2);
    } else {
        const QSize screen = ScreenSize();
        move(screen.width() / 2 - outerWidth / 2, screen.height() / 2 - outerHeight / 2);
    }
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
