#include "pdf/CupsDelivery.h"

#include "text/CodePage1250.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace zel {

struct CupsDelivery::State {
    std::atomic<bool> abandoned{false};
    std::mutex mutex;
    std::condition_variable answered;
    bool done = false;
    std::exception_ptr failure;
};

CupsDelivery::CupsDelivery(std::string queue, std::unique_ptr<posix::PrivateFolder> folder,
                           std::string pdfPath, std::string title, posix::CupsJobOptions options,
                           std::chrono::milliseconds patience)
    : m_state(std::make_shared<State>()), m_deadline(std::chrono::steady_clock::now() + patience) {
    // Detached: a sender stuck in the server's client may outlive the window, which must not
    // wait for it even when closing. It owns what it needs.
    std::thread([state = m_state, queue = std::move(queue), folder = std::move(folder),
                 pdfPath = std::move(pdfPath), title = std::move(title),
                 options = std::move(options)]() mutable {
        std::exception_ptr failure;
        try {
            posix::SubmitPdfToCups(queue, pdfPath, title, options, state->abandoned);
        } catch (...) {
            failure = std::current_exception();
        }
        folder.reset();
        {
            const std::lock_guard lock(state->mutex);
            state->done = true;
            state->failure = failure;
        }
        state->answered.notify_all();
    }).detach();
}

CupsDelivery::~CupsDelivery() {
    m_state->abandoned = true;
}

bool CupsDelivery::Delivered() {
    // A glance rather than no wait at all: the slices follow each other without pause, and
    // would keep a core busy for as long as the server thinks.
    constexpr std::chrono::milliseconds kGlance{10};
    std::unique_lock lock(m_state->mutex);
    if (!m_state->answered.wait_for(lock, kGlance, [this] { return m_state->done; })) {
        if (std::chrono::steady_clock::now() < m_deadline) {
            return false;
        }
        m_state->abandoned = true;
        throw std::runtime_error(Utf8ToCp1250(kServerSilent));
    }
    if (m_state->failure) {
        std::rethrow_exception(m_state->failure);
    }
    return true;
}

} // namespace zel
