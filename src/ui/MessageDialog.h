#pragma once
// The one message window of the program (TForm4). It is not modal: it disables the window
// the message belongs to, shows itself and returns at once; closing it enables that window
// again. A caller that must wait processes events until it is hidden.

#include "platform/MessageSink.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace zel {

class MessageDialog final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MessageDialog)

public:
    static constexpr int kClientHeight = 107;
    static constexpr int kButtonWidth = 65;

    MessageDialog();
    ~MessageDialog() override;

    // owner is the window the message belongs to; the dialog itself (or nullptr) means none,
    // and the message is centred on the screen. Texts are cut to 255 characters.
    void ShowMessageDialog(QWidget* owner, const QString& text, MessageKind kind,
                           const QString& detail);

    // The self-installation window: OK of a message it owns closes it too.
    void SetSelfInstallWindow(QWidget* window) { m_selfInstallWindow = window; }

    // The window the last message belonged to; the dialog itself when none.
    [[nodiscard]] QWidget* CurrentOwner() const;
    [[nodiscard]] QPushButton* Button1() const { return m_button1; }
    [[nodiscard]] QLabel* Label1() const { return m_label1; }
    [[nodiscard]] QLabel* Label2() const { return m_label2; }

    // Processes events one at a time for as long as the dialog is shown.
    static void WaitUntilHidden(MessageDialog* dialog);

signals:
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildUi();
    QLabel* MakePicture(const char* name, const QPixmap& picture);
    void Place();
    void Button1Click();
    void FormClose();
    [[nodiscard]] bool OwnsItself() const;

    QPointer<QWidget> m_owner;
    bool m_ownerIsSelf = true;
    QPointer<QWidget> m_selfInstallWindow;
    QLabel* m_image1 = nullptr;
    QLabel* m_image2 = nullptr;
    QLabel* m_image3 = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QPushButton* m_button1 = nullptr;
};

} // namespace zel
