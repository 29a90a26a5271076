#pragma once
// The CUPS server that scripts/cups-start starts, with its PDF queue as the default printer,
// and the PDF files that queue makes for this user, read through the host's own tools: from
// the Linux tests and, under Wine, from the Windows ones. Paths are the host's.

#include <set>
#include <string>

namespace zel::test {

inline constexpr const char* kPdfQueue = "ZelkorPDF";

// Empty when the server runs and the PDF queue is its default; else what is wrong.
[[nodiscard]] std::string CupsProblem();
// The folder cups-pdf writes this user's jobs into, as its configuration names it.
[[nodiscard]] std::string CupsPdfFolder();
[[nodiscard]] std::set<std::string> PdfsIn(const std::string& folder);
// -1 for a file that is no complete PDF (yet).
[[nodiscard]] int PageCount(const std::string& pdf);
// The text of every page in UTF-8, laid out in its columns, no-break spaces as blanks.
[[nodiscard]] std::string PdfText(const std::string& pdf);

} // namespace zel::test
