#pragma once
// The one message window as a face draws it. The panel's MessageQueue decides what is shown,
// whose it is and what follows; the face renders one message at a time and forwards OK and
// the close.

#include "platform/MessageSink.h"

#include <functional>
#include <string>
#include <string_view>

namespace zel {

enum class MessageOwner {
    // Centred on the screen; the message belongs to no window.
    None,
    MainWindow,
    // OK of such a message closes the self-installation window too.
    SelfInstallWindow,
};

// Texts are code page 1250, already cut to what the window holds.
struct MessageOnScreen {
    MessageOwner owner = MessageOwner::None;
    std::string title;
    MessageKind kind = MessageKind::Information;
    std::string text;
    std::string detail;
};

class MessageView {
public:
    virtual ~MessageView() = default;
    // Shows the message, or puts it in place of the one on screen. The owner window cannot be
    // used while it is up; an owner that does not exist counts as none.
    virtual void ShowMessage(const MessageOnScreen& message) = 0;
    virtual void HideMessage() = 0;
    // The control that has the focus, so that it gets it back when the message is gone.
    virtual void RememberFocus() = 0;
    virtual void GiveBackFocus() = 0;
    // Runs next from the event loop, once the window's close is over.
    virtual void RunLater(std::function<void()> next) = 0;
    virtual void CloseSelfInstallWindow() = 0;
    // The toolkit's own error display, for an error the panel has no words of its own for.
    virtual void ShowStandardError(std::string_view text) = 0;
};

} // namespace zel
