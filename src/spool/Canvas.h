#pragma once
// A printer page as the renderer sees it: a printable area in device pixels, documents of
// pages, and runs of text drawn in a measuring font and stretched onto their cells. The
// windows give the real printer; tests give a canvas that records what was drawn.
//
// Failures of the printer throw, with a text fit to show the user.

#include <string>
#include <string_view>

namespace zel {

struct PageSize {
    int width = 0;
    int height = 0;
};

// Corners as the old device calls took them: right and bottom are exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    [[nodiscard]] int Width() const { return right - left; }
    [[nodiscard]] int Height() const { return bottom - top; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // The printable area of the current printer, in device pixels.
    [[nodiscard]] virtual PageSize PrintablePage() = 0;
    // The first page is begun with the document.
    virtual void BeginDocument(std::string_view title) = 0;
    virtual void NewPage() = 0;
    // Returns when the document is complete; the printer may not have it yet.
    virtual void EndDocument() = 0;
    // After EndDocument: true once the printer has the whole document, false while it has
    // not answered yet. Throws when it refused the document or gave no answer in time; the
    // document is then dropped. A printer that takes the document in EndDocument has it then.
    [[nodiscard]] virtual bool DocumentDelivered() { return true; }
    // Drops a begun document after a failure, or one the printer has not yet taken, so that
    // no half or abandoned job reaches the printer; never throws, and does nothing when no
    // document is open.
    virtual void AbortDocument() noexcept = 0;

    // The style of the measuring font, for measuring and drawing alike.
    virtual void SetStyle(bool bold, bool italic) = 0;
    // Width in pixels of the measuring font.
    [[nodiscard]] virtual int TextWidth(std::u32string_view text) = 0;
    // Draws text at (1, 1) of a white box of naturalWidth × naturalHeight measuring-font
    // pixels, clipped to that box, and stretches the box onto target.
    virtual void DrawRun(std::u32string_view text, int naturalWidth, int naturalHeight,
                         const PixelRect& target) = 0;
};

} // namespace zel
