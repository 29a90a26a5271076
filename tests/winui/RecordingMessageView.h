#pragma once
// A message window that remembers what it was asked to show and keeps what was to follow
// each message until the test answers it, as a user would with OK.

#include "panel/MessageView.h"
#include "winui/Win32Ui.h"

#include <functional>
#include <string>
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

    void ShowMessageDialog(MessageOwner owner, std::string_view text, MessageKind kind,
                           std::string_view, std::function<void()> afterwards) override {
        shown.push_back({owner, std::string(text), kind});
        m_afterwards = std::move(afterwards);
        if (owner == MessageOwner::MainWindow && m_mainWindow != nullptr) {
            EnableWindow(m_mainWindow, FALSE);
        }
    }
    void ShowStandardError(std::string_view text) override {
        shown.push_back({MessageOwner::None, std::string(text), MessageKind::Error});
    }

    // OK on the last message.
    void Answer() {
        if (m_mainWindow != nullptr) {
            EnableWindow(m_mainWindow, TRUE);
        }
        auto afterwards = std::move(m_afterwards);
        m_afterwards = {};
        if (afterwards) {
            afterwards();
        }
    }

    std::vector<RecordedMessage> shown;

private:
    HWND m_mainWindow = nullptr;
    std::function<void()> m_afterwards;
};

} // namespace zel::test
