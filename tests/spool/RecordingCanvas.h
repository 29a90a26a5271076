#pragma once
// A canvas that keeps what was drawn, page by page, for a page of 5000 × 8750 pixels: a
// margin of 100 and 175, cells of 60 × 120. Every letter measures 10 pixels but "i", 6.

#include "spool/Canvas.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace zel::test {

struct DrawnRun {
    std::u32string text;
    int naturalWidth;
    int naturalHeight;
    PixelRect target;
    bool bold;
    bool italic;
};

class RecordingCanvas final : public Canvas {
public:
    PageSize PrintablePage() override { return {5000, 8750}; }
    void BeginDocument(std::string_view title) override {
        ++documents;
        this->title = title;
        pages.assign(1, {});
    }
    void NewPage() override {
        if (failOnNewPage) {
            throw std::runtime_error("paper jam");
        }
        pages.emplace_back();
    }
    void EndDocument() override { ++ended; }
    bool DocumentDelivered() override {
        if (refuseDelivery) {
            throw std::runtime_error("refused");
        }
        if (unansweredAsks > 0) {
            --unansweredAsks;
            return false;
        }
        return true;
    }
    void AbortDocument() noexcept override { ++aborted; }
    void SetStyle(bool b, bool i) override {
        bold = b;
        italic = i;
    }
    int TextWidth(std::u32string_view text) override {
        int width = 0;
        for (const char32_t c : text) {
            width += c == U'i' ? 6 : 10;
        }
        return width;
    }
    void DrawRun(std::u32string_view text, int naturalWidth, int naturalHeight,
                 const PixelRect& target) override {
        pages.back().push_back(
            {std::u32string(text), naturalWidth, naturalHeight, target, bold, italic});
    }

    int documents = 0;
    int ended = 0;
    int aborted = 0;
    bool failOnNewPage = false;
    // Asks after the end that the printer leaves unanswered, as a busy print server does.
    int unansweredAsks = 0;
    bool refuseDelivery = false;
    std::string title;
    std::vector<std::vector<DrawnRun>> pages;

private:
    bool bold = false;
    bool italic = false;
};

// The cell grid of the canvas above.
inline int ColumnX(double column) {
    return static_cast<int>(60 * column) + 100;
}
inline int LineY(int line) {
    return 120 * line + 175;
}

} // namespace zel::test
