#pragma once
// A list of a shared spool folder taken on Windows: a handle with the right to delete that
// lets others read but neither write nor delete nor rename, kept until the claim ends. The
// file server carries share modes between PCs, so no other launcher's claim and no writer's
// open succeeds meanwhile, and a launcher that dies lets go with its handles. The list is
// renamed and deleted through that handle, so what is renamed or deleted is the file taken,
// whatever its name leads to by then.

#include "platform/ClaimedFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace zel::win32 {

[[nodiscard]] FileClaim ClaimFolderFile(const std::string& folder, std::string_view name,
                                        const std::optional<FileStamp>& expected);

} // namespace zel::win32
