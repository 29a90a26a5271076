#pragma once
// A job the relay has received lives on disk until a printer has accepted it, so that a
// relay that dies loses no pages: the next relay to start hands them on. Each system keeps
// them in a private folder of the user's, one file per job, held while a relay has it.

#include "platform/RawJob.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zel {

class KeptJobs {
public:
    using Key = std::string;
    struct Kept {
        Key key;
        RawJob job;
    };

    virtual ~KeptJobs() = default;

    // Puts the job on disk whole and holds it; nothing when it cannot be kept, and the job is
    // printed all the same.
    [[nodiscard]] virtual std::optional<Key> Keep(const RawJob& job) = 0;
    // The jobs of relays that ended before a printer took them, oldest first, each now held
    // by this one; a job another living relay holds is left to it.
    [[nodiscard]] virtual std::vector<Kept> TakeLeftovers() = 0;
    // A printer has accepted the job: it leaves the disk.
    virtual void Forget(const Key& key) = 0;
};

// The user's folder for kept jobs, in the system's place for a program's state; empty when
// the user has none.
[[nodiscard]] std::string KeptJobsFolder();
// The jobs kept in folder, made private where it is missing. A folder that is a link or
// that others may enter keeps nothing.
[[nodiscard]] std::unique_ptr<KeptJobs> OpenKeptJobs(const std::string& folder);

} // namespace zel
