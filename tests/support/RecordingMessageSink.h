#pragma once
// A message window that remembers what it was asked to show and, given a log it shares with
// a test platform, writes each show into it, so a test sees the order of shows and starts.
// A message is acknowledged at once: what was to follow it runs, logged as "ok".

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
    RecordingMessageSink() = default;
    explicit RecordingMessageSink(std::vector<std::string>& log) : m_log(&log) {}

    void ShowMessageThen(std::string_view text, MessageKind kind, std::string_view detail,
                         std::function<void()> afterwards) override {
        shown.push_back({std::string(text), kind, std::string(detail)});
        Log("show");
        if (afterwards) {
            Log("ok");
            afterwards();
        }
    }

    std::vector<ShownMessage> shown;

private:
    void Log(const char* what) {
        if (m_log != nullptr) {
            m_log->push_back(what);
        }
    }

    std::vector<std::string>* m_log = nullptr;
};

} // namespace zel::test
