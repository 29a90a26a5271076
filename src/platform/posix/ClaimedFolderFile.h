#pragma once
// A list of a shared spool folder taken on POSIX. Every step goes through a descriptor of
// the folder and one plain name, never a path, so no name can lead out of it. The claim is
// an open file description locked with the running lock of ProgramLock: an OFD lock, which
// a network file system's lock manager carries to every PC (NFS, SMB), which processes in
// any PID namespace see, which no other open of the same file in this process drops (as
// closing any descriptor drops a classic record lock), and which the kernel lets go when the
// launcher dies, so that a list left under a printing name is known to be free.

#include "platform/ClaimedFile.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace zel::posix {

// folder is native; name is a DOS name (code page 1250).
[[nodiscard]] FileClaim ClaimFolderFile(const std::filesystem::path& folder, std::string_view name,
                                        const std::optional<FileStamp>& expected);

} // namespace zel::posix
