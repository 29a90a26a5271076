#include "winui/IdleSlices.h"

namespace zel {
namespace {

constexpr UINT_PTR kSliceTimer = 1;
// Slices run back to back this long while nothing else waits, so that a job is not paced by
// the timer's ten milliseconds.
constexpr DWORD kBurstMs = 40;

} // namespace

IdleSlices::IdleSlices(std::function<bool()> slice) : m_slice(std::move(slice)) {
    CreateNative(L"ZelIdleSlices", L"", 0, 0, {}, HWND_MESSAGE);
}

void IdleSlices::Start() {
    if (!m_running && SetTimer(Handle(), kSliceTimer, USER_TIMER_MINIMUM, nullptr) != 0) {
        m_running = true;
    }
}

void IdleSlices::Stop() {
    if (m_running) {
        KillTimer(Handle(), kSliceTimer);
        m_running = false;
    }
}

void IdleSlices::RunSlices() {
    const DWORD start = GetTickCount();
    while (m_running) {
        if (!m_slice()) {
            Stop();
            return;
        }
        if (GetTickCount() - start >= kBurstMs ||
            HIWORD(GetQueueStatus(QS_INPUT | QS_PAINT)) != 0) {
            return;
        }
    }
}

LRESULT IdleSlices::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER && wParam == kSliceTimer) {
        RunSlices();
        return 0;
    }
    return NativeWindow::OnMessage(message, wParam, lParam);
}

} // namespace zel
