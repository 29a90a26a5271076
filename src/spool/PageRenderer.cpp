#include "spool/PageRenderer.h"

#include "platform/DosTextReader.h"
#include "spool/PageGeometry.h"
#include "spool/PrintJob.h"
#include "text/CodePage852.h"

#include <string>

namespace zel {
namespace {

constexpr double kRunAspect = 1.7;

class PageRenderer final {
public:
    explicit PageRenderer(Canvas& canvas) : m_canvas(canvas), m_geometry(canvas.PrintablePage()) {}

    void Render(InputFile& file, std::string_view title) {
        m_canvas.BeginDocument(title);
        ApplyStyle();
        DosTextReader reader(file, LineEnd::CrOrLf, kPrintLineCapacity);
        if (!reader.AtEnd()) {
            reader.ReadLine();
        }
        while (!reader.AtEnd()) {
            std::string line = reader.ReadLine();
            if (m_line == kPageLines) {
                StartPage();
            }
            RenderLine(std::move(line), reader.AtEnd());
        }
        m_canvas.EndDocument();
    }

private:
    void StartPage() {
        m_canvas.NewPage();
        m_line = 0;
        m_column = 0;
    }

    void ApplyStyle() { m_canvas.SetStyle(m_bold, m_italic); }

    void RenderLine(std::string line, bool lastLine) {
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

    void ApplyCode(char letter, bool lastLine) {
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

    void DrawRun(std::string_view run) {
        const auto n = static_cast<double>(run.size());
        const std::u32string text = PrintBytesToUnicode(run);
        const double length = n * m_advance;
        const PixelRect target = m_geometry.RunRect(m_column, m_line, length, m_attributes);
        const int naturalWidth = m_canvas.TextWidth(std::u32string(run.size(), U'A'));
        const int naturalHeight = RoundHalfEven(m_canvas.TextWidth(text) / n * kRunAspect);
        m_canvas.DrawRun(text, naturalWidth, naturalHeight, target);
        m_column += m_attributes.doubleWidth ? 2 * length : length;
    }

    Canvas& m_canvas;
    PageGeometry m_geometry;
    double m_column = 0;
    int m_line = 0;
    double m_advance = 1.0;
    bool m_bold = false;
    bool m_italic = false;
    RunAttributes m_attributes;
};

} // namespace

void RenderPrintFile(InputFile& file, Canvas& canvas, std::string_view title) {
    PageRenderer renderer(canvas);
    try {
        renderer.Render(file, title);
    } catch (...) {
        canvas.AbortDocument();
        throw;
    }
}

} // namespace zel
