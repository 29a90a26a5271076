#pragma once
// A message window that remembers what it was asked to show and keeps what was to follow
// each message until the test answers it, as a user would with OK.

#include "panel/MessageQueue.h"
#include "panel/MessageView.h"
#include "winui/Win32Ui.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zel::test {

struct RecordedMessage {
    MessageOwner owner;
    std::string text; // code page 1250
    MessageKind kind;
};

class RecordingMessageView final : public MessageView {
public:
    // While a message is up the window it belongs to is disabled, as the real one does.
    void SetMainWindow(HWND window) { m_mainWindow = window; }

    void ShowMessage(const MessageOnScreen& message) override {
        shown.push_back({message.owner, message.text, message.kind});
        if (message.owner == MessageOwner::MainWindow && m_mainWindow != nullptr) {
            EnableWindow(m_mainWindow, FALSE);
        }
    }
    void HideMessage() override {
        if (m_mainWindow != nullptr) {
            EnableWindow(m_mainWindow, TRUE);
        }
    }
    void RememberFocus() override {}
    void GiveBackFocus() override {}
    void RunLater(std::function<void()> next) override { m_later.push_back(std::move(next)); }
    void CloseSelfInstallWindow() override {}
    void ShowStandardError(std::string_view text) override {
        shown.push_back({MessageOwner::None, std::string(text), MessageKind::Error});
    }

    // OK on the last message.
    void Answer() {
        queue.Ok();
        for (const auto& next : std::exchange(m_later, {})) {
            next();
        }
    }

    MessageQueue queue{*this};
    std::vector<RecordedMessage> shown;

private:
    HWND m_mainWindow = nullptr;
    std::vector<std::function<void()>> m_later;
};

} // namespace zel::test
