#include "spool/PageRenderer.h"

#include "spool/PrintJob.h"
#include "text/CodePage852.h"

#include <cstdint>
#include <string>
#include <utility>

namespace zel {
namespace {

constexpr double kRunAspect = 1.7;

} // namespace

PrintFileRenderer::PrintFileRenderer(InputFile& file, Canvas& canvas, std::string title)
    : m_canvas(canvas), m_title(std::move(title)),
      m_reader(file, LineEnd::CrOrLf, kPrintLineCapacity), m_geometry(canvas.PrintablePage()) {}

PrintFileRenderer::~PrintFileRenderer() {
    if (m_begun && !m_ended) {
        m_canvas.AbortDocument();
    }
}

bool PrintFileRenderer::RenderSlice(std::size_t byteBudget) {
    try {
        return Render(byteBudget);
    } catch (...) {
        m_ended = true;
        m_canvas.AbortDocument();
        throw;
    }
}

bool PrintFileRenderer::Render(std::size_t byteBudget) {
    if (m_ended) {
        return true;
    }
    if (!m_begun) {
        m_begun = true;
        m_canvas.BeginDocument(m_title);
        ApplyStyle();
    }
    while (byteBudget > 0) {
        if (!m_reader.ContinueLine(byteBudget)) {
            return false;
        }
        std::string line = m_reader.TakeLine();
        // The header is a line like any other for the reader, but never printed.
        if (!m_headerDone) {
            m_headerDone = true;
        } else {
            if (m_line == kPageLines) {
                StartPage();
            }
            RenderLine(std::move(line), m_reader.AtEnd());
        }
        if (m_reader.AtEnd()) {
            m_ended = true;
            m_canvas.EndDocument();
            return true;
        }
    }
    return false;
}

void PrintFileRenderer::StartPage() {
    m_canvas.NewPage();
    m_line = 0;
    m_column = 0;
}

void PrintFileRenderer::ApplyStyle() {
    m_canvas.SetStyle(m_bold, m_italic);
}

void PrintFileRenderer::RenderLine(std::string line, bool lastLine) {
    // The closing mark flushes the last run; it takes the place of a 255th character.
    if (line.size() >= kPrintLineCapacity) {
        line.resize(kPrintLineCapacity - 1);
    }
    line.push_back(kFieldMark);
    m_column = 0;
    std::string run;
    char previous = ' ';
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char b = line[i];
        if ((b == kFieldMark || i + 1 == line.size()) && !run.empty()) {
            DrawRun(run);
            run.clear();
        } else {
            run.push_back(b);
        }
        if (previous == kFieldMark) {
            ApplyCode(b, lastLine);
            ApplyStyle();
            run.clear();
        }
        previous = b;
    }
    ++m_line;
}

void PrintFileRenderer::ApplyCode(char letter, bool lastLine) {
    switch (letter) {
    case 'C':
        m_advance = kCondensedAdvance;
        break;
    case 'c':
        m_advance = 1.0;
        break;
    case 'K':
    case 'k':
        m_bold = letter == 'K';
        break;
    case 'I':
    case 'i':
        m_italic = letter == 'I';
        break;
    case 'B':
    case 'b':
        m_attributes.doubleWidth = letter == 'B';
        break;
    case 'H':
    case 'h':
        m_attributes.doubleHeight = letter == 'H';
        break;
    case 'F':
    case 'f':
        m_attributes.upperHalf = letter == 'F';
        break;
    case 'A':
    case 'a':
        m_attributes.lowerHalf = letter == 'A';
        break;
    case 'L':
        // The programs end every list with a page break; on the last line it would
        // only feed an empty sheet.
        if (!lastLine) {
            StartPage();
        }
        break;
    default:
        break;
    }
}

void PrintFileRenderer::DrawRun(std::string_view run) {
    const auto n = static_cast<double>(run.size());
    const std::u32string text = PrintBytesToUnicode(run);
    const double length = n * m_advance;
    const PixelRect target = m_geometry.RunRect(m_column, m_line, length, m_attributes);
    const int naturalWidth = m_canvas.TextWidth(std::u32string(run.size(), U'A'));
    const int naturalHeight = RoundHalfEven(m_canvas.TextWidth(text) / n * kRunAspect);
    m_canvas.DrawRun(text, naturalWidth, naturalHeight, target);
    m_column += m_attributes.doubleWidth ? 2 * length : length;
}

void RenderPrintFile(InputFile& file, Canvas& canvas, std::string_view title) {
    PrintFileRenderer renderer(file, canvas, std::string(title));
    while (!renderer.RenderSlice(SIZE_MAX)) {
    }
}

} // namespace zel
