#pragma once
// How the core tells the user something: through the one message window, which the
// windows own. The core fills the text; the window decides where and how it appears.
// Nothing waits for a message: what must follow its acknowledgement is handed over with it.

#include <functional>
#include <string_view>

namespace zel {

enum class MessageKind : int {
    Error = 1,
    Warning = 2,
    Information = 3,
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Texts are code page 1250. Returns at once; the message stays up until acknowledged,
    // and afterwards (when given) runs once then. afterwards may show further messages
    // through this sink, which lives as long as anything that follows its messages.
    virtual void ShowMessageThen(std::string_view text, MessageKind kind, std::string_view detail,
                                 std::function<void()> afterwards) = 0;

    void ShowMessage(std::string_view text, MessageKind kind, std::string_view detail) {
        ShowMessageThen(text, kind, detail, {});
    }
};

} // namespace zel
