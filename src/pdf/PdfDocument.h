#pragma once
// A print job as a PDF of its own, written as it goes. Each run is a white box clipped to its
// cells with one text string over it, placed by the run's matrix; the faces are embedded
// once per document as subsets, with the letters each glyph stands for, so the text stays
// searchable. A finished page goes to the file at once, so a job of any length holds only its
// list of pages in memory; the file appears whole when the document is finished, or not at all.

#include "pdf/SheetLayout.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zel {

class FontFace;
class OutputFile;
struct RunPlacement;

class PdfDocument final {
public:
    PdfDocument(const std::filesystem::path& fileName, const SheetLayout& sheet,
                std::u32string_view title);
    // A document not finished leaves no file, and whatever was there before stays.
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // False when the file cannot be made, or could not take what was written so far.
    [[nodiscard]] bool IsOpen() const;
    // text in face at pixelSize, baseline at (0, 0), mapped by run's matrix onto the page.
    // False when the face has no outlines a PDF can carry.
    [[nodiscard]] bool DrawRun(const RunPlacement& run, const FontFace& face, double pixelSize,
                               std::u32string_view text);
    // False when the file could not take the finished page.
    [[nodiscard]] bool NewPage();
    // False when the file could not be written whole; it is then not left behind.
    [[nodiscard]] bool Finish();

private:
    struct Font;

    // The document's number of a face, -1 when it cannot be embedded.
    [[nodiscard]] int FontFor(const FontFace& face);
    int NewObject();
    void Write(std::string_view bytes);
    // Hands what was written to the file; false, and the file gone, when it failed.
    bool Flush();
    void BeginObject(int object);
    void WriteStream(int object, const std::string& data, std::string_view entries = {});
    void WritePage();
    void WriteFont(const Font& font, int object);

    std::unique_ptr<OutputFile> m_file;
    std::string m_pending;
    std::uint64_t m_written = 0;
    // Page size in points; the device-pixel to point matrix.
    double m_pageWidth = 0;
    double m_pageHeight = 0;
    std::string m_pageMatrix;
    std::u32string m_title;
    std::string m_page;
    std::vector<std::uint64_t> m_objectOffsets;
    std::vector<int> m_pages;
    std::vector<std::unique_ptr<Font>> m_fonts;
};

} // namespace zel
