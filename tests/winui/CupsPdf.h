#pragma once
// Where the CUPS PDF queue that scripts/cups-start makes leaves its jobs, read from the Windows
// tests through the host's own tools.

#include <set>
#include <string>

namespace zel::test {

inline constexpr const char* kPdfQueue = "ZelkorPDF";

// The folder cups-pdf writes this user's jobs into, as its configuration names it.
[[nodiscard]] std::string CupsPdfFolder();
// The PDF files in a host folder, by their host paths.
[[nodiscard]] std::set<std::string> PdfsIn(const std::string& folder);

} // namespace zel::test
