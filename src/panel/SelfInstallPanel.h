#pragma once
// The self-installation window's Start (TForm2): the launcher copies itself to the chosen
// drive with its configuration file and shortcuts, its gauge moving with the copy.

#include "panel/MessageQueue.h"
#include "panel/PanelMessages.h"
#include "panel/SelfInstallView.h"
#include "platform/Platform.h"

namespace zel {

class SelfInstallPanel final {
public:
    SelfInstallPanel(Platform& platform, SelfInstallView& view, MessageQueue& messages,
                     ErrorHandler onError)
        : m_platform(platform), m_view(view), m_messages(messages), m_onError(std::move(onError)) {}

    // Start (Button1). A failure reaches the error handler; success is told with a message
    // whose OK closes the window.
    void Install();

private:
    Platform& m_platform;
    SelfInstallView& m_view;
    MessageQueue& m_messages;
    ErrorHandler m_onError;
};

} // namespace zel
