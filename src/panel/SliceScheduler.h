#pragma once
// The event loop's idle time, as each face has it: a long print job goes on a slice at a time
// between input and painting, so the window stays responsive while it prints.

namespace zel {

class SliceScheduler {
public:
    virtual ~SliceScheduler() = default;
    // From now on the owner's slice is called in idle time, until Stop.
    virtual void Start() = 0;
    virtual void Stop() = 0;
};

} // namespace zel
