#pragma once
// A finished PDF on its way to a CUPS queue, sent from a thread of its own: a print server
// that is stopped or never answers holds the sender for minutes, and the window must not
// wait with it. The window asks now and then whether the queue took the job, and gives up
// after a while, leaving the list to wait.

#include "platform/posix/CupsSubmission.h"
#include "platform/posix/PrivateFolder.h"

#include <chrono>
#include <memory>
#include <string>

namespace zel {

// A server that takes a job answers within a second or two even when busy; half a minute
// also covers a slow server across the network, and is short enough for the user, still at
// the desk, to learn that the list waits.
inline constexpr std::chrono::milliseconds kCupsPatience{30000};
// Why a list waits after the patience ran out; UTF-8.
inline constexpr const char* kServerSilent =
    "A nyomtatószerver nem válaszol, a lista a sorban marad.";

class CupsDelivery final {
public:
    // folder holds the PDF; it is removed once the sender is done with it.
    CupsDelivery(std::string queue, std::unique_ptr<posix::PrivateFolder> folder,
                 std::string pdfPath, std::string title, posix::CupsJobOptions options,
                 std::chrono::milliseconds patience);
    // A job not yet taken is abandoned: the sender, whenever it wakes, prints nothing.
    ~CupsDelivery();
    CupsDelivery(const CupsDelivery&) = delete;
    CupsDelivery& operator=(const CupsDelivery&) = delete;

    // True once the queue has taken the job; false while it has not answered. Throws the
    // queue's refusal, or, once the patience is over, that the server does not answer (code
    // page 1250); the job is then abandoned.
    [[nodiscard]] bool Delivered();

private:
    struct State;

    std::shared_ptr<State> m_state;
    std::chrono::steady_clock::time_point m_deadline;
};

} // namespace zel
