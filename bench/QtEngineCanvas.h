#pragma once
// Print jobs drawn through Qt's own PDF engine, as the printer canvas drew them before it
// wrote its PDFs itself: the yardstick the benchmarks hold the canvas's PDFs against.

#include "spool/Canvas.h"

#include <QFont>
#include <QPainter>
#include <QPdfWriter>

namespace zel {
class MeasureWindow;
}

namespace zel::bench {

class QtEngineCanvas final : public Canvas {
public:
    QtEngineCanvas(const QString& fileName, MeasureWindow& measure);

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
    MeasureWindow& m_measure;
    QPdfWriter m_writer;
    QPainter m_painter;
    QFont m_font;
};

} // namespace zel::bench
