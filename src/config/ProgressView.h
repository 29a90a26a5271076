#pragma once
// The progress window as the start-up scan drives it. The scan runs before the event loop,
// so every change is painted at once; nothing else reaches the screen meanwhile.

#include <string_view>

namespace zel {

class ProgressView {
public:
    virtual ~ProgressView() = default;
    // Centres the progress window on the main window and shows both, main window first.
    virtual void ShowOverMainWindow() = 0;
    virtual void SetGauge(int progress) = 0;
    // Code page 1250; painted at once.
    virtual void SetLabel(std::string_view text) = 0;
};

} // namespace zel
