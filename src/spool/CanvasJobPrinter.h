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
        if (m_renderer) {
            bool rendered = false;
            try {
                rendered = m_renderer->RenderSlice(kSliceBytes);
            } catch (...) {
                m_renderer.reset();
                throw;
            }
            if (!rendered) {
                return false;
            }
            m_renderer.reset();
            m_delivering = true;
        }
        if (!m_delivering) {
            return true;
        }
        // The slices go on asking while the printer has not answered, so that the window is
        // never held by a printer that does not answer.
        bool delivered = false;
        try {
            delivered = m_canvas.DocumentDelivered();
        } catch (...) {
            m_delivering = false;
            throw;
        }
        m_delivering = !delivered;
        return delivered;
    }

    void CancelJob() noexcept override {
        m_renderer.reset();
        if (m_delivering) {
            m_delivering = false;
            m_canvas.AbortDocument();
        }
    }

private:
    Canvas& m_canvas;
    std::unique_ptr<PrintFileRenderer> m_renderer;
    // The document is complete and on its way to the printer.
    bool m_delivering = false;
};

} // namespace zel
