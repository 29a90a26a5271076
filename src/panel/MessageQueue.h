#pragma once
// The rules of the one message window (TForm4), for both faces: a message that comes while
// another is up takes its place and its owner, what was to follow either runs once the
// window is closed, the focus goes back to where it was before the first, and OK of the
// self-installation window's message closes that window too.

#include "panel/MessageView.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

class MessageQueue final {
public:
    // The most a line of the window holds.
    static constexpr std::size_t kMaxText = 255;

    explicit MessageQueue(MessageView& view) : m_view(view) {}
    MessageQueue(const MessageQueue&) = delete;
    MessageQueue& operator=(const MessageQueue&) = delete;

    // Texts are code page 1250. Returns at once; afterwards runs once the message is closed.
    void ShowMessageDialog(MessageOwner owner, std::string_view text, MessageKind kind,
                           std::string_view detail, std::function<void()> afterwards);
    void ShowStandardError(std::string_view text);

    // The face's events: OK, and a close by the close box, Escape or the window system.
    void Ok();
    void Close();

    [[nodiscard]] bool Shown() const { return m_shown; }
    // The window the message on screen belongs to.
    [[nodiscard]] MessageOwner Owner() const { return m_owner; }

private:
    MessageView& m_view;
    bool m_shown = false;
    MessageOwner m_owner = MessageOwner::None;
    std::vector<std::function<void()>> m_afterwards;
};

// "  Hiba", "  Figyelem", "  Információ", code page 1250.
[[nodiscard]] std::string MessageTitle(MessageKind kind);

} // namespace zel
