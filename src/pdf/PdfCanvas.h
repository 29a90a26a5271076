#pragma once
// The printer page of a print job as a PDF of its own. Each run is drawn as text in the
// measuring font and stretched by a transform onto its cells: the cells a stretched bitmap
// would fill, but sharp on paper and searchable.
//
// A job is laid out by the printer chosen as it begins: into the chosen file for a file
// printer, else into a private PDF that is handed to the CUPS queue, whose answer decides
// whether the job counts as printed. No printer is asked anything while the job is drawn, so
// a print server that does not answer holds nothing but the job's own delivery.

#include "pdf/ChosenPrinter.h"
#include "pdf/CupsDelivery.h"
#include "spool/Canvas.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace zel {

class PdfDocument;
class PrintFont;

class PdfCanvas final : public Canvas {
public:
    // chosen reads the user's printer as it is now. patience: how long a job may wait for the
    // queue's answer.
    PdfCanvas(std::function<ChosenPrinter()> chosen, PrintFont& font,
              std::chrono::milliseconds patience = kCupsPatience);
    ~PdfCanvas() override;
    PdfCanvas(const PdfCanvas&) = delete;
    PdfCanvas& operator=(const PdfCanvas&) = delete;

    PageSize PrintablePage() override;
    void BeginDocument(std::string_view title) override;
    void NewPage() override;
    void EndDocument() override;
    bool DocumentDelivered() override;
    void AbortDocument() noexcept override;
    void SetStyle(bool bold, bool italic) override;
    int TextWidth(std::u32string_view text) override;
    void DrawRun(std::u32string_view text, int naturalWidth, int naturalHeight,
                 const PixelRect& target) override;

private:
    // utf8 names the printer at "%1".
    [[noreturn]] void Fail(std::string_view utf8) const;
    void DropJob() noexcept;

    std::function<ChosenPrinter()> m_chosen;
    PrintFont& m_font;
    std::chrono::milliseconds m_patience;
    ChosenPrinter m_printer;
    std::unique_ptr<posix::PrivateFolder> m_jobFolder;
    std::unique_ptr<PdfDocument> m_job;
    std::string m_title;
    std::unique_ptr<CupsDelivery> m_delivery;
};

} // namespace zel
