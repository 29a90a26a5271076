#pragma once
// The start-up's pauses, measured in the empty iterations of the old panel's counting loop,
// are spent asleep for as long as such a loop takes on a current machine: the progress
// window moves at the pace it always had here, and the start costs no processor time for it.

namespace zel {

// Empty iterations a letter in the first and the second pass over the drive letters.
inline constexpr long kFirstPassPause = 3200L * 10L;
inline constexpr long kSecondPassPause = 32000L * 10L;

void CountingPause(long iterations);

} // namespace zel
