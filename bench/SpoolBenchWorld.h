#pragma once
// What the spool benchmarks share: a printer that takes every job at once, the one temporary
// folder of a run, and the first page of a list a program writes.

#include "spool/JobPrinter.h"

#include <filesystem>
#include <string>
#include <unistd.h>

namespace zel::bench {

class NoPrinter final : public JobPrinter {
public:
    void BeginJob(InputFile&, std::string_view) override {}
    bool PrintSlice() override { return true; }
    void CancelJob() noexcept override {}
};

inline std::filesystem::path BenchFolder() {
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "zelbench.XXXXXX").string();
        return std::filesystem::path(::mkdtemp(pattern.data()));
    }();
    return folder;
}

// A print list's first page: its header line, then 70 lines of 80 letters.
inline std::string FirstPage() {
    std::string page = "\xAD"
                       "0LISTA\xAD"
                       "32017\xAD"
                       "41\r\n";
    for (int line = 0; line < 70; ++line) {
        page += std::string(80, static_cast<char>('A' + line % 26)) + "\r\n";
    }
    return page;
}

} // namespace zel::bench
