#include "platform/posix/ProgramStarter.h"

namespace zel::posix {

bool StartCommandLine(const WinePrefix&, std::string_view) {
    return false;
}

} // namespace zel::posix
