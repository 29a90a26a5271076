#pragma once
// A message sink that keeps what it was told, for tests to read.

#include "platform/MessageSink.h"

#include <string>
#include <vector>

namespace zel::test {

struct ShownMessage {
    std::string text;
    MessageKind kind;
    std::string detail;
};

class RecordingMessages final : public MessageSink {
public:
    void ShowMessage(std::string_view text, MessageKind kind, std::string_view detail) override {
        shown.push_back({std::string(text), kind, std::string(detail)});
    }
    void WaitForMessage() override {}

    std::vector<ShownMessage> shown;
};

} // namespace zel::test
