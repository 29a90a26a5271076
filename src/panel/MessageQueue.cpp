#include "panel/MessageQueue.h"

#include "text/CodePage1250.h"

#include <utility>

namespace zel {

std::string MessageTitle(MessageKind kind) {
    switch (kind) {
    case MessageKind::Error:
        return Utf8ToCp1250("  Hiba");
    case MessageKind::Warning:
        return Utf8ToCp1250("  Figyelem");
    case MessageKind::Information:
        return Utf8ToCp1250("  Információ");
    }
    return {};
}

void MessageQueue::ShowMessageDialog(MessageOwner owner, std::string_view text, MessageKind kind,
                                     std::string_view detail, std::function<void()> afterwards) {
    // A message that replaces one still on screen keeps the focus that one will give back,
    // and what was to follow it.
    if (!m_shown) {
        m_view.RememberFocus();
    }
    if (afterwards) {
        m_afterwards.push_back(std::move(afterwards));
    }
    m_shown = true;
    m_owner = owner;
    m_view.ShowMessage({owner, MessageTitle(kind), kind, std::string(text.substr(0, kMaxText)),
                        std::string(detail.substr(0, kMaxText))});
}

void MessageQueue::ShowStandardError(std::string_view text) {
    m_view.ShowStandardError(text);
}

void MessageQueue::Ok() {
    const MessageOwner owner = m_owner;
    const bool shown = m_shown;
    Close();
    if (shown && owner == MessageOwner::SelfInstallWindow) {
        m_view.CloseSelfInstallWindow();
    }
}

void MessageQueue::Close() {
    if (!m_shown) {
        return;
    }
    m_shown = false;
    m_owner = MessageOwner::None;
    m_view.HideMessage();
    m_view.GiveBackFocus();
    // What follows may show the next message: it runs once this one is hidden, as a message
    // shown while the close is under way would be hidden with it.
    auto afterwards = std::exchange(m_afterwards, {});
    if (!afterwards.empty()) {
        m_view.RunLater([afterwards = std::move(afterwards)] {
            for (const auto& next : afterwards) {
                next();
            }
        });
    }
}

} // namespace zel
