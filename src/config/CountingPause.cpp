#include "config/CountingPause.h"

#include <chrono>
#include <thread>

namespace zel {
namespace {

// What a current processor counts through an empty loop in a microsecond.
constexpr long kIterationsPerMicrosecond = 3000;
// A sleep lasts at least one step of the system's timer, up to a sixty-fourth of a second
// on Windows: pauses shorter than a millisecond are owed and slept together.
constexpr std::chrono::microseconds kShortestSleep{1000};

} // namespace

void CountingPause(long iterations) {
    static thread_local std::chrono::microseconds owed{0};
    if (iterations > 0) {
        owed += std::chrono::microseconds(iterations / kIterationsPerMicrosecond);
    }
    if (owed >= kShortestSleep) {
        std::this_thread::sleep_for(owed);
        owed = {};
    }
}

} // namespace zel
