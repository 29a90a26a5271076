#pragma once
// How the core tells the user something: through the one message window, which the
// windows own. The core fills the text; the window decides where and how it appears.

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
    // Texts are code page 1250. Returns at once; the message stays up until acknowledged.
    virtual void ShowMessage(std::string_view text, MessageKind kind, std::string_view detail) = 0;
    // Processes events until the last message is acknowledged.
    virtual void WaitForMessage() = 0;
};

} // namespace zel
