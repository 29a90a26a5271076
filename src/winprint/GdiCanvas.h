#pragma once
// The printer page of a print job on Windows. Each run is drawn as text in the measuring font
// and stretched by a world transform onto its cells: the cells a stretched bitmap would fill,
// but sharp on paper and searchable wherever the printer makes a PDF.

#include "spool/Canvas.h"

#include <windows.h>

namespace zel {

class MeasuringFont;
class PrintDevice;

class GdiCanvas final : public Canvas {
public:
    GdiCanvas(PrintDevice& device, MeasuringFont& measure);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    PageSize PrintablePage() override;
    void BeginDocument(std::string_view title) override;
    void NewPage() override;
    void EndDocument() override;
    void AbortDocument() noexcept override;
    void SetStyle(bool bold, bool italic) override;
    int TextWidth(std::u32string_view text) override;
    void DrawRun(std::u32string_view text, int naturalWidth, int naturalHeight,
                 const PixelRect& target) override;

private:
    [[nodiscard]] HFONT DrawingFont();
    void DropFont() noexcept;

    PrintDevice& m_device;
    MeasuringFont& m_measure;
    HDC m_page = nullptr;
    HFONT m_drawingFont = nullptr;
};

} // namespace zel
