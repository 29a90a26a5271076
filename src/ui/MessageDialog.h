#pragma once
// The one message window of the program (TForm4), drawn for its panel-side queue. While a
// message is up the panel's windows take no input, without being greyed.

#include "panel/MessageQueue.h"
#include "panel/MessageView.h"
#include "ui/FocusReturn.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace zel {

class MessageDialog final : public QWidget, public MessageView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MessageDialog)

public:
    MessageDialog();
    ~MessageDialog() override;

    // The windows a message may belong to.
    void SetWindows(QWidget* mainWindow, QWidget* selfInstallWindow);

    // Where every window shows its messages.
    [[nodiscard]] MessageQueue& Queue() { return m_queue; }

    // MessageView. A message without an owner, or whose owner window does not exist, is
    // centred on the screen.
    void ShowMessage(const MessageOnScreen& message) override;
    void HideMessage() override;
    void RememberFocus() override { m_focusReturn.Remember(); }
    void GiveBackFocus() override { m_focusReturn.GiveBack(); }
    void RunLater(std::function<void()> next) override;
    void CloseSelfInstallWindow() override;
    void ShowStandardError(std::string_view text) override;

    // The window the last message belonged to; the dialog itself when none.
    [[nodiscard]] QWidget* CurrentOwner() const;
    // Made with the first message; null until then.
    [[nodiscard]] QPushButton* Button1() const { return m_button1; }
    [[nodiscard]] QLabel* Label1() const { return m_label1; }
    [[nodiscard]] QLabel* Label2() const { return m_label2; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildUi();
    void Place();

    QPointer<QWidget> m_owner;
    bool m_ownerIsSelf = true;
    QPointer<QWidget> m_mainWindow;
    QPointer<QWidget> m_selfInstallWindow;
    FocusReturn m_focusReturn;
    MessageQueue m_queue{*this};
    QLabel* m_image1 = nullptr;
    QLabel* m_image2 = nullptr;
    QLabel* m_image3 = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QPushButton* m_button1 = nullptr;
};

} // namespace zel
