#pragma once
// A message window that remembers what it was asked to show, and writes each show and each
// wait into a log it shares with the test platform, so a test sees their order.

#include "platform/MessageSink.h"

#include <string>
#include <vector>

namespace zel::test {

struct ShownMessage {
    std::string text;
    MessageKind kind;
    std::string detail;
};

class RecordingMessageSink final : public MessageSink {
public:
    explicit RecordingMessageSink(std::vector<std::string>& log) : m_log(log) {}

    void ShowMessage(std::string_view text, MessageKind kind, std::string_view detail) override {
        shown.push_back({std::string(text), kind, std::string(detail)});
        m_log.push_back("show");
    }
    void WaitForMessage() override { m_log.push_back("wait"); }

    std::vector<ShownMessage> shown;

private:
    std::vector<std::string>& m_log;
};

} // namespace zel::test
