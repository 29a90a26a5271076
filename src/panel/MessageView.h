#pragma once
// The one message window as the panel drives it: a
// message belongs to a window, which cannot be used while it is up, and gets back its focus
// when it closes.

#include "platform/MessageSink.h"

#include <functional>
#include <string_view>

namespace zel {

enum class MessageOwner {
    // Centred on the screen; the message belongs to no window.
    None,
    MainWindow,
    // OK of such a message closes the self-installation window too.
    SelfInstallWindow,
};

class MessageView {
public:
    virtual ~MessageView() = default;
    // Texts are code page 1250. Returns at once; afterwards runs once the message is closed.
    virtual void ShowMessageDialog(MessageOwner owner, std::string_view text, MessageKind kind,
                                   std::string_view detail, std::function<void()> afterwards) = 0;
    // The toolkit's own error display, for an error the panel has no words of its own for.
    virtual void ShowStandardError(std::string_view text) = 0;
};

} // namespace zel
