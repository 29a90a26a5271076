#include "uiprint/MeasureWindow.h"

#include "ui/Fonts.h"

#include <QFontInfo>
#include <QFontMetrics>

namespace zel {
namespace {

constexpr int kPrintPointSize = 24;

} // namespace

MeasureWindow::MeasureWindow() {
    setObjectName(QStringLiteral("TForm7"));
    // Without a substitute "Lucida Console" falls back to a proportional face.
    if (QFont::substitutes(QStringLiteral("Lucida Console")).isEmpty()) {
        QFont::insertSubstitution(QStringLiteral("Lucida Console"),
                                  QStringLiteral("DejaVu Sans Mono"));
    }
    setFont(LucidaConsole(kPrintPointSize));
}

void MeasureWindow::SetStyle(bool bold, bool italic) {
    QFont styled = font();
    styled.setBold(bold);
    styled.setItalic(italic);
    setFont(styled);
}

int MeasureWindow::TextWidth(const QString& text) const {
    return QFontMetrics(font(), this).horizontalAdvance(text);
}

int MeasureWindow::Ascent() const {
    return QFontMetrics(font(), this).ascent();
}

int MeasureWindow::Descent() const {
    return QFontMetrics(font(), this).descent();
}

QFont MeasureWindow::PixelFont() const {
    QFont pixelFont = font();
    pixelFont.setPixelSize(QFontInfo(font()).pixelSize());
    return pixelFont;
}

} // namespace zel
