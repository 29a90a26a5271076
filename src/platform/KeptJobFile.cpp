#include "platform/KeptJobFile.h"

#include <chrono>
#include <cstdio>

namespace zel {
namespace {

constexpr std::string_view kFormat = "ZELKOR relay job 1\n";
constexpr std::string_view kJobEnding = ".job";
constexpr std::string_view kTemporaryEnding = ".tmp";

bool FitsOnALine(const std::string& text) {
    return text.find_first_of("\r\n") == std::string::npos;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<std::string> EncodeKeptJob(const RawJob& job) {
    if (!FitsOnALine(job.printer) || !FitsOnALine(job.title)) {
        return std::nullopt;
    }
    std::string file(kFormat);
    file += job.printer + '\n' + job.title + '\n';
    file += job.bytes;
    return file;
}

std::optional<RawJob> DecodeKeptJob(std::string_view file) {
    if (!file.starts_with(kFormat)) {
        return std::nullopt;
    }
    file.remove_prefix(kFormat.size());
    const auto printerEnd = file.find('\n');
    const auto titleEnd = printerEnd == std::string_view::npos ? std::string_view::npos
                                                               : file.find('\n', printerEnd + 1);
    if (titleEnd == std::string_view::npos) {
        return std::nullopt;
    }
    return RawJob{std::string(file.substr(0, printerEnd)),
                  std::string(file.substr(printerEnd + 1, titleEnd - printerEnd - 1)),
                  std::string(file.substr(titleEnd + 1))};
}

std::string KeptJobName(std::chrono::system_clock::time_point relayStarted, std::uint64_t process,
                        std::uint64_t sequence) {
    const auto started =
        std::chrono::duration_cast<std::chrono::microseconds>(relayStarted.time_since_epoch())
            .count();
    char name[80];
    std::snprintf(name, sizeof name, "%020lld-%010llu-%06llu", static_cast<long long>(started),
                  static_cast<unsigned long long>(process),
                  static_cast<unsigned long long>(sequence));
    return std::string(name) + std::string(kJobEnding);
}

std::string TemporaryKeptJobName(const std::string& name) {
    return name + std::string(kTemporaryEnding);
}

bool IsKeptJobName(std::string_view name) {
    return !name.empty() && IsDigit(name.front()) && name.ends_with(kJobEnding);
}

bool IsTemporaryKeptJobName(std::string_view name) {
    return !name.empty() && IsDigit(name.front()) && name.ends_with(kTemporaryEnding);
}

} // namespace zel
