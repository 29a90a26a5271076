#pragma once
// The printer page of a print job. Each run is drawn as text in the measuring font and
// stretched by a transform onto its cells: the cells a stretched bitmap would fill, but
// sharp on paper and searchable in a PDF (Qt's PDF engine would store every such bitmap as
// a JPEG).
//
// A job is written as a PDF of its own by PdfDocument, which carries a run as one string
// where Qt's engine places every glyph on its own, at a third of the size. It is laid out
// by the chosen printer's settings as it begins: into the chosen file for a file printer,
// else into a private PDF that is handed to the CUPS queue, whose answer decides whether the
// job counts as printed. The chosen printer can so be set up again while a job is in
// progress. No printer is made for a job, as every printer made asks the print server for
// its default first, and would hold the window while the server does not answer.

#include "spool/Canvas.h"
#include "ui/CupsDelivery.h"
#include "ui/QtFontFace.h"

#include <QFont>
#include <QString>
#include <chrono>
#include <memory>
#include <string>

class QPrinter;
class QRect;
class QTemporaryDir;
class QSize;
class QTransform;

namespace zel {

class MeasureWindow;
class PdfDocument;

// From the run's natural box (its text at (1, 1), baseline below the ascent) onto its cells,
// with the glyphs squeezed to the width the screen measured.
QTransform RunTransform(const QRect& cells, QSize natural, double squeeze, int ascent, int descent);

class PrinterCanvas final : public Canvas {
public:
    // patience: how long a job may wait for the queue's answer.
    PrinterCanvas(QPrinter& printer, MeasureWindow& measure,
                  std::chrono::milliseconds patience = kCupsPatience);
    ~PrinterCanvas() override;
    PrinterCanvas(const PrinterCanvas&) = delete;
    PrinterCanvas& operator=(const PrinterCanvas&) = delete;

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
    [[noreturn]] void Fail(const QString& what);
    [[nodiscard]] bool ChosenIsFilePrinter() const;
    void DropJob() noexcept;

    QPrinter& m_printer;
    MeasureWindow& m_measure;
    QFont m_drawingFont;
    QtFontFace m_drawingFace;
    std::unique_ptr<QTemporaryDir> m_jobFolder;
    std::unique_ptr<PdfDocument> m_job;
    QString m_queue; // empty for a file printer
    std::string m_title;
    std::chrono::milliseconds m_patience;
    std::unique_ptr<CupsDelivery> m_delivery;
};

} // namespace zel
