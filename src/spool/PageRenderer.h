#pragma once
// A print list put on the desktop printer the way the character printer laid it out: the
// body on an 80 × 70 grid, each stretch of text with equal attributes drawn as one run over
// exactly its cells. Attributes switch at the mark byte 0xAD followed by a code letter.

#include "platform/DosTextReader.h"
#include "platform/FileStreams.h"
#include "spool/Canvas.h"
#include "spool/PageGeometry.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace zel {

// One print file as one document, laid out a slice at a time so that a list of any length
// leaves the window free between slices; the header line is not printed.
class PrintFileRenderer final {
public:
    PrintFileRenderer(InputFile& file, Canvas& canvas, std::string title);
    // A document not finished is dropped.
    ~PrintFileRenderer();
    PrintFileRenderer(const PrintFileRenderer&) = delete;
    PrintFileRenderer& operator=(const PrintFileRenderer&) = delete;

    // Lays out on until about byteBudget bytes of the file have been read; true when the
    // document is complete and ended. A failure of the canvas or of the file leaves the
    // document aborted and is thrown on.
    bool RenderSlice(std::size_t byteBudget);

private:
    bool Render(std::size_t byteBudget);
    void StartPage();
    void ApplyStyle();
    void RenderLine(std::string line, bool lastLine);
    void ApplyCode(char letter, bool lastLine);
    void DrawRun(std::string_view run);

    Canvas& m_canvas;
    std::string m_title;
    DosTextReader m_reader;
    PageGeometry m_geometry;
    bool m_begun = false;
    bool m_ended = false;
    bool m_headerDone = false;
    double m_column = 0;
    int m_line = 0;
    double m_advance = 1.0;
    bool m_bold = false;
    bool m_italic = false;
    RunAttributes m_attributes;
};

// The whole print file in one go.
void RenderPrintFile(InputFile& file, Canvas& canvas, std::string_view title);

} // namespace zel
