#include "config/CountingPause.h"

#include <chrono>
#include <thread>

namespace zel {
namespace {

// What a current processor counts through an empty loop in a microsecond.
constexpr long kIterationsPerMicrosecond = 3000;

} // namespace

void CountingPause(long iterations) {
    if (iterations > 0) {
        std::this_thread::sleep_for(
            std::chrono::microseconds(iterations / kIterationsPerMicrosecond));
    }
}

} // namespace zel
