#pragma once
// The core's messages, shown through the message window on behalf of one owner window.

#include "platform/MessageSink.h"

#include <QPointer>

class QWidget;

namespace zel {

class MessageDialog;

class DialogMessageSink final : public MessageSink {
public:
    // owner nullptr: the message belongs to no window and is centred on the screen.
    DialogMessageSink(MessageDialog& dialog, QWidget* owner);

    void ShowMessage(std::string_view text, MessageKind kind, std::string_view detail) override;
    void WaitForMessage() override;

private:
    QPointer<MessageDialog> m_dialog;
    QPointer<QWidget> m_owner;
    bool m_ownerless;
};

} // namespace zel
