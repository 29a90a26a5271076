#pragma once
// Work done a slice at a time from the message loop's idle time: a timer's message comes only
// after input and painting, so the window stays responsive while a long job goes on.

#include "winui/NativeWindow.h"

#include <functional>

namespace zel {

class IdleSlices final : public NativeWindow {
public:
    // slice does one step and answers whether more is to be done.
    explicit IdleSlices(std::function<bool()> slice);

    void Start();
    void Stop();
    [[nodiscard]] bool Running() const { return m_running; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void RunSlices();

    std::function<bool()> m_slice;
    bool m_running = false;
};

} // namespace zel
