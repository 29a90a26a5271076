#pragma once
// A file of a shared folder taken by this launcher. Launchers on several PCs print from one
// spool folder, and none of them can see the others' processes: taking a list is a claim
// that every one of them sees, held until it ends (a lock that the file system carries
// between PCs; on Windows a share mode that denies writing and deleting), and the file is
// renamed and deleted only through the claim, so a launcher never touches a file it did not
// take, nor one that a name leads to from elsewhere.

#include "platform/DosTypes.h"
#include "platform/FileStreams.h"

#include <memory>
#include <optional>
#include <string_view>

namespace zel {

enum class ClaimOutcome {
    Claimed,
    Busy,    // another launcher holds it, or a writer still has it open: later, maybe
    Gone,    // no file of that name is there any more
    Changed, // not the version that was looked at: it is still being written
    Refused, // what is there cannot be taken: no regular file of its own, no right to it
};

class ClaimedFile {
public:
    // Ends the claim; the file stays under the name it has then.
    virtual ~ClaimedFile() = default;

    // The held file, read from its start by one reader for the claim's whole life.
    virtual InputFile& Content() = 0;
    // What the held file is now: a writer on another PC that goes on writing changes it.
    [[nodiscard]] virtual std::optional<FileStamp> Stamp() = 0;
    // Gives the held file another plain name in its folder, never taking the place of an
    // entry there; false when the name is taken or the folder refuses.
    [[nodiscard]] virtual bool Rename(std::string_view name) = 0;
    // Deletes the held file itself; false when its name no longer leads to it.
    [[nodiscard]] virtual bool Delete() = 0;
};

struct FileClaim {
    ClaimOutcome outcome = ClaimOutcome::Gone;
    std::unique_ptr<ClaimedFile> file; // only when claimed
};

} // namespace zel
