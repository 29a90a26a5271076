#include "platform/HelperMode.h"

namespace zel {

// The Windows edition has no helper starts yet: a DOS program's printing is not relayed.
std::optional<int> RunHelperMode(int /*argc*/, char** /*argv*/) {
    return std::nullopt;
}

} // namespace zel
