#pragma once
// How a kept job reads on disk, the same on every system: a first line naming the format,
// the printer and the title on a line each, then the job's bytes untouched. Its name sorts
// in the order the jobs were received; a file still being written has a name of its own.

#include "platform/RawJob.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zel {

// Nothing when the printer or the title cannot be written on a line of its own.
[[nodiscard]] std::optional<std::string> EncodeKeptJob(const RawJob& job);
[[nodiscard]] std::optional<RawJob> DecodeKeptJob(std::string_view file);

// Named after the time the relay started, not the job's: a clock set back must not put a
// relay's jobs out of order.
[[nodiscard]] std::string KeptJobName(std::chrono::system_clock::time_point relayStarted,
                                      std::uint64_t process, std::uint64_t sequence);
[[nodiscard]] std::string TemporaryKeptJobName(const std::string& name);
[[nodiscard]] bool IsKeptJobName(std::string_view name);
[[nodiscard]] bool IsTemporaryKeptJobName(std::string_view name);

} // namespace zel
