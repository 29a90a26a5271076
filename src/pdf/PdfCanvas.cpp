#include "pdf/PdfCanvas.h"

#include "pdf/PdfDocument.h"
#include "pdf/PrintFont.h"
#include "pdf/RunPlacement.h"
#include "text/CodePage1250.h"

#include <stdexcept>

namespace zel {
namespace {

constexpr std::string_view kNotStarted = "A nyomtatás nem indítható el a(z) „%1” nyomtatón.";
constexpr std::string_view kRefused = "A(z) „%1” nyomtató nem fogadta el a nyomtatást.";
constexpr std::string_view kJobFile = "job.pdf";

std::u32string Cp1250ToUtf32(std::string_view cp1250) {
    std::u32string text;
    text.reserve(cp1250.size());
    for (const char byte : cp1250) {
        text.push_back(Cp1250ToUnicode(static_cast<unsigned char>(byte)));
    }
    return text;
}

} // namespace

PdfCanvas::PdfCanvas(std::function<ChosenPrinter()> chosen, PrintFont& font,
                     std::chrono::milliseconds patience)
    : m_chosen(std::move(chosen)), m_font(font), m_patience(patience) {}

PdfCanvas::~PdfCanvas() {
    AbortDocument();
}

PageSize PdfCanvas::PrintablePage() {
    return m_chosen().printable;
}

void PdfCanvas::Fail(std::string_view utf8) const {
    if (m_printer.name.empty()) {
        throw std::runtime_error(Utf8ToCp1250("Nincs kiválasztott nyomtató."));
    }
    std::string text(utf8);
    text.replace(text.find("%1"), 2, m_printer.name);
    throw std::runtime_error(Utf8ToCp1250(text));
}

void PdfCanvas::BeginDocument(std::string_view title) {
    DropJob();
    m_printer = m_chosen();
    m_title = Cp1250ToUtf8(title);
    if (m_printer.name.empty()) {
        Fail(kNotStarted);
    }
    std::filesystem::path fileName = m_printer.name;
    if (!m_printer.toFile) {
        // A folder of its own: the document is created new, where no one else can reach it.
        m_jobFolder = posix::PrivateFolder::Make("zelprint");
        if (!m_jobFolder) {
            Fail(kNotStarted);
        }
        fileName = m_jobFolder->Path() / kJobFile;
    }
    // The colour mode is not needed: the pages are black on white, which a grey-scale printer
    // prints alike.
    m_job = std::make_unique<PdfDocument>(fileName, m_printer.sheet, Cp1250ToUtf32(title));
    if (!m_job->IsOpen()) {
        DropJob();
        Fail(kNotStarted);
    }
}

void PdfCanvas::NewPage() {
    if (!m_job || !m_job->NewPage()) {
        Fail(kRefused);
    }
}

void PdfCanvas::EndDocument() {
    if (!m_job || !m_job->Finish()) {
        DropJob();
        Fail(kRefused);
    }
    m_job.reset();
    if (m_printer.toFile) {
        DropJob();
        return;
    }
    const std::string pdf = (m_jobFolder->Path() / kJobFile).string();
    m_delivery = std::make_unique<CupsDelivery>(m_printer.name, std::move(m_jobFolder), pdf,
                                                m_title, m_printer.options, m_patience);
}

bool PdfCanvas::DocumentDelivered() {
    if (!m_delivery) {
        return true;
    }
    bool delivered = false;
    try {
        delivered = m_delivery->Delivered();
    } catch (...) {
        DropJob();
        throw;
    }
    if (delivered) {
        DropJob();
    }
    return delivered;
}

void PdfCanvas::AbortDocument() noexcept {
    DropJob();
}

void PdfCanvas::DropJob() noexcept {
    m_delivery.reset();
    m_job.reset();
    m_jobFolder.reset();
}

void PdfCanvas::SetStyle(bool bold, bool italic) {
    m_font.SetStyle(bold, italic);
}

int PdfCanvas::TextWidth(std::u32string_view text) {
    return m_font.TextWidth(text);
}

void PdfCanvas::DrawRun(std::u32string_view text, int naturalWidth, int naturalHeight,
                        const PixelRect& target) {
    if (!m_job || naturalWidth <= 0 || naturalHeight <= 0 || target.Width() <= 0 ||
        target.Height() <= 0) {
        return;
    }
    // The glyphs take the width the screen measured, as they would on the bitmap.
    const double drawnWidth = m_font.DrawnWidth(text);
    const double squeeze = drawnWidth > 0 ? m_font.TextWidth(text) / drawnWidth : 1.0;
    const RunPlacement placement{{target.left, target.top, target.Width(), target.Height()},
                                 RunTransform(target, naturalWidth, naturalHeight, squeeze,
                                              m_font.Ascent(), m_font.Descent())};
    if (!m_job->DrawRun(placement, m_font.Face(), m_font.PixelSize(), text)) {
        DropJob();
        Fail(kRefused);
    }
}

} // namespace zel
