#include "uiprint/PrinterMaking.h"

#include <QPrinter>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace zel {

struct PrinterMaking::State {
    std::mutex mutex;
    std::condition_variable made;
    std::unique_ptr<QPrinter> printer;
    bool done = false;
};

PrinterMaking::PrinterMaking() : m_state(std::make_shared<State>()) {
    // Detached: a maker stuck in the server's client may outlive the window, which must not
    // wait for it even when closing.
    std::thread([state = m_state] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        {
            const std::lock_guard lock(state->mutex);
            state->printer = std::move(printer);
            state->done = true;
        }
        state->made.notify_all();
    }).detach();
}

PrinterMaking::~PrinterMaking() = default;

bool PrinterMaking::Made() {
    // A glance rather than no wait at all, as the slices asking follow each other without
    // pause.
    constexpr std::chrono::milliseconds kGlance{10};
    std::unique_lock lock(m_state->mutex);
    return m_state->made.wait_for(lock, kGlance, [this] { return m_state->done; });
}

std::unique_ptr<QPrinter> PrinterMaking::Take() {
    std::unique_lock lock(m_state->mutex);
    m_state->made.wait(lock, [this] { return m_state->done; });
    return std::move(m_state->printer);
}

} // namespace zel
