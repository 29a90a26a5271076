#include "ui/Fonts.h"

namespace zel {
namespace {

const QString kSansSerif = QStringLiteral("MS Sans Serif");

// The substitute runs wider than the face the layouts were drawn with; its narrower cut keeps
// every caption inside its control.
QFont SansSerif() {
    QFont font(kSansSerif);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

} // namespace

void InstallFontSubstitutions() {
    QFont::insertSubstitution(kSansSerif, QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("System"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono"));
}

QFont FormFont() {
    QFont font = SansSerif();
    font.setPointSize(8);
    return font;
}

QFont SansSerifPixels(int pixelSize, bool bold) {
    QFont font = SansSerif();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont LucidaConsole(qreal pointSize) {
    QFont font(QStringLiteral("Lucida Console"));
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace zel
