#pragma once
// A print job as a PDF of its own, written as it goes. Each run is a white box clipped to its
// cells with one text string over it, placed by the run's transform; the faces are embedded
// once per document as subsets, with the letters each glyph stands for, so the text stays
// searchable. A finished page goes to the file at once, so a job of any length holds only its
// list of pages in memory; the file appears whole when the document is finished, or not at all.

#include <QByteArray>
#include <QRawFont>
#include <QSaveFile>
#include <QString>
#include <memory>
#include <vector>

class QPageLayout;
class QRect;
class QTransform;

namespace zel {

class PdfDocument final {
public:
    // Pages as layout lays them out at resolution device pixels to the inch; device pixels are
    // counted from the corner of its printable area.
    PdfDocument(const QString& fileName, const QPageLayout& layout, int resolution,
                const QString& title);
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // False when the file cannot be made.
    [[nodiscard]] bool IsOpen() const;
    // text in the face raw at its pixel size, baseline at (0, 0), mapped by glyphs onto the
    // page. False when the face has no outlines a PDF can carry.
    [[nodiscard]] bool DrawRun(const QRect& cells, const QTransform& glyphs, const QRawFont& raw,
                               const QString& text);
    // False when the file could not take the finished page.
    [[nodiscard]] bool NewPage();
    // False when the file could not be written whole; it is then not left behind.
    [[nodiscard]] bool Finish();

private:
    struct Font;

    // The document's number of a face, -1 when it cannot be embedded.
    [[nodiscard]] int FontFor(const QRawFont& raw);
    int NewObject();
    void BeginObject(int object);
    void WriteStream(int object, const QByteArray& data, const QByteArray& entries = {});
    void WritePage();
    void WriteFont(const Font& font, int object);

    QSaveFile m_file;
    qint64 m_written = 0;
    // Page size in points; the device-pixel to point matrix.
    double m_pageWidth = 0;
    double m_pageHeight = 0;
    QByteArray m_pageMatrix;
    QString m_title;
    QByteArray m_page;
    std::vector<qint64> m_objectOffsets;
    std::vector<int> m_pages;
    std::vector<std::unique_ptr<Font>> m_fonts;
};

} // namespace zel
