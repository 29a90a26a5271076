#pragma once
// The hidden window whose screen font measures every run of a print job. Runs keep the
// proportions they have on screen whatever the printer's resolution, because the page is
// laid out in the cells of a character printer, not in the printer's own font metrics.

#include <QFont>
#include <QWidget>

namespace zel {

class MeasureWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MeasureWindow)

public:
    MeasureWindow();

    void SetStyle(bool bold, bool italic);
    [[nodiscard]] int TextWidth(const QString& text) const;
    [[nodiscard]] int Ascent() const;
    [[nodiscard]] int Descent() const;
    // The measuring font sized in pixels, so that it draws on a printer as large as it
    // measures on screen.
    [[nodiscard]] QFont PixelFont() const;
};

} // namespace zel
