#pragma once
// The CUPS server that the test script starts, with its PDF queue as the default printer, and
// the PDF files that queue makes for this user.

#include <QString>
#include <filesystem>
#include <set>
#include <string>

namespace zel::test {

inline constexpr const char* kPdfQueue = "ZelkorPDF";

// Empty when the server runs and the PDF queue is its default; else what is wrong.
[[nodiscard]] std::string CupsProblem();
// The folder cups-pdf writes this user's jobs into, as its configuration names it.
[[nodiscard]] std::filesystem::path CupsPdfFolder();
[[nodiscard]] std::set<std::filesystem::path> PdfsIn(const std::filesystem::path& folder);
// -1 for a file that is no complete PDF (yet).
[[nodiscard]] int PageCount(const std::filesystem::path& pdf);
// The text of every page, laid out in its columns.
[[nodiscard]] QString PdfText(const std::filesystem::path& pdf);

} // namespace zel::test
