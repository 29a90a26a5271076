#pragma once
// The job printer of desktop-printer mode: every job laid out on the one canvas.

#include "spool/Canvas.h"
#include "spool/JobPrinter.h"
#include "spool/PageRenderer.h"

namespace zel {

class CanvasJobPrinter final : public JobPrinter {
public:
    explicit CanvasJobPrinter(Canvas& canvas) : m_canvas(canvas) {}

    void PrintJob(InputFile& file, std::string_view title) override {
        RenderPrintFile(file, m_canvas, title);
    }

private:
    Canvas& m_canvas;
};

} // namespace zel
