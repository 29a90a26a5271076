#pragma once
// A spool tick probes each list and then stamps it. The probe has just looked the entry up
// and read its status; handing that on spares the stamp a second look-up and system call
// for every list of every tick.

#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace zel::posix {

class ProbedEntry final {
public:
    // The status of the entry at dosPath itself, taken without following a link.
    void Note(std::string_view dosPath, const struct stat& entry);
    // The status noted for dosPath, once; nothing for any other path.
    [[nodiscard]] std::optional<struct stat> Take(std::string_view dosPath);
    void Forget();

private:
    std::string m_dosPath;
    std::optional<struct stat> m_entry;
};

} // namespace zel::posix
