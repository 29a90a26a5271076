#include "panel/PanelMessages.h"

namespace zel {

void RunGuarded(const ErrorHandler& onError, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        if (onError) {
            onError(error);
        }
    }
}

void PanelMessages::ShowMessageThen(std::string_view text, MessageKind kind,
                                    std::string_view detail, std::function<void()> afterwards) {
    std::function<void()> guarded;
    if (afterwards) {
        guarded = [onError = m_onError, afterwards = std::move(afterwards)] {
            RunGuarded(onError, afterwards);
        };
    }
    m_queue.ShowMessageDialog(m_owner, text, kind, detail, std::move(guarded));
}

} // namespace zel
