#pragma once
// The start-up's pauses are counting loops of fixed length, not timed waits: the progress
// window is meant to be seen moving, and the pause grows and shrinks with the machine as it
// always did. The loop must survive the optimiser, so it counts through a volatile.

namespace zel {

// Empty iterations a letter in the first and the second pass over the drive letters.
inline constexpr long kFirstPassPause = 3200L * 10L;
inline constexpr long kSecondPassPause = 32000L * 10L;

void CountingPause(long iterations);

} // namespace zel
