#pragma once
// The one message window of the program (TForm4). Showing a message returns at once; while
// it is up the panel's windows take no input, without being greyed, and when it closes the
// control that had the focus gets it back and what was to follow the message runs.

#include "panel/MessageView.h"
#include "ui/FocusReturn.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;

namespace zel {

class MessageDialog final : public QWidget, public MessageView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MessageDialog)

public:
    MessageDialog();
    ~MessageDialog() override;

    // The windows a message may belong to; OK of a message the self-installation window
    // owns closes it too.
    void SetWindows(QWidget* mainWindow, QWidget* selfInstallWindow);

    // MessageView. Texts are cut to 255 characters. A message without an owner, or whose
    // owner window does not exist, is centred on the screen.
    void ShowMessageDialog(MessageOwner owner, std::string_view text, MessageKind kind,
                           std::string_view detail, std::function<void()> afterwards) override;
    void ShowStandardError(std::string_view text) override;

    // The window the last message belonged to; the dialog itself when none.
    [[nodiscard]] QWidget* CurrentOwner() const;
    [[nodiscard]] QPushButton* Button1() const { return m_button1; }
    [[nodiscard]] QLabel* Label1() const { return m_label1; }
    [[nodiscard]] QLabel* Label2() const { return m_label2; }

signals:
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildUi();
    void Place();
    void Button1Click();
    void FormClose();

    QPointer<QWidget> m_owner;
    bool m_ownerIsSelf = true;
    QPointer<QWidget> m_mainWindow;
    QPointer<QWidget> m_selfInstallWindow;
    FocusReturn m_focusReturn;
    std::vector<std::function<void()>> m_afterwards;
    QLabel* m_image1 = nullptr;
    QLabel* m_image2 = nullptr;
    QLabel* m_image3 = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QPushButton* m_button1 = nullptr;
};

} // namespace zel
