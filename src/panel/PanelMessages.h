#pragma once
// The core's messages on behalf of one window of the panel. What follows a message runs
// under the panel's error handler, as every handler does.

#include "panel/MessageQueue.h"

#include <exception>
#include <functional>

namespace zel {

using ErrorHandler = std::function<void(const std::exception&)>;

class PanelMessages final : public MessageSink {
public:
    PanelMessages(MessageQueue& queue, MessageOwner owner, ErrorHandler onError)
        : m_queue(queue), m_owner(owner), m_onError(std::move(onError)) {}

    void ShowMessageThen(std::string_view text, MessageKind kind, std::string_view detail,
                         std::function<void()> afterwards) override;

private:
    MessageQueue& m_queue;
    MessageOwner m_owner;
    ErrorHandler m_onError;
};

// Runs a handler; an error it lets escape goes to onError instead of the toolkit.
void RunGuarded(const ErrorHandler& onError, const std::function<void()>& handler);

} // namespace zel
