#pragma once
// The job printer of desktop-printer mode: every job laid out on the one canvas.

#include "spool/Canvas.h"
#include "spool/JobPrinter.h"
#include "spool/PageRenderer.h"

#include <memory>
#include <string>

namespace zel {

class CanvasJobPrinter final : public JobPrinter {
public:
    explicit CanvasJobPrinter(Canvas& canvas) : m_canvas(canvas) {}

    void BeginJob(InputFile& file, std::string_view title) override {
        m_renderer = std::make_unique<PrintFileRenderer>(file, m_canvas, std::string(title));
    }

    bool PrintSlice() override {
        // About a page of a plain list: short enough for the window to stay responsive.
        constexpr std::size_t kSliceBytes = std::size_t{8} * 1024;
        if (!m_renderer) {
            return true;
        }
        bool done = true;
        try {
            done = m_renderer->RenderSlice(kSliceBytes);
        } catch (...) {
            m_renderer.reset();
            throw;
        }
        if (done) {
            m_renderer.reset();
        }
        return done;
    }

    void CancelJob() noexcept override { m_renderer.reset(); }

private:
    Canvas& m_canvas;
    std::unique_ptr<PrintFileRenderer> m_renderer;
};

} // namespace zel
