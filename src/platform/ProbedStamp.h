#pragma once
// A spool tick probes each list and then stamps it. The probe has just looked the entry up
// and read what a stamp holds; handing that on spares the stamp a second look-up, a network
// round trip on a shared folder, for every list of every tick.

#include "platform/DosTypes.h"

#include <optional>
#include <string>
#include <string_view>

namespace zel {

class ProbedStamp final {
public:
    // The stamp of the entry at dosPath itself, as a link's own, not its target's.
    void Note(std::string_view dosPath, const FileStamp& stamp);
    // The stamp noted for dosPath, once; nothing for any other path.
    [[nodiscard]] std::optional<FileStamp> Take(std::string_view dosPath);
    void Forget();

private:
    std::string m_dosPath;
    std::optional<FileStamp> m_stamp;
};

} // namespace zel
