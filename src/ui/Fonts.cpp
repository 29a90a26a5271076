#include "ui/Fonts.h"

namespace zel {
namespace {

const QString kSansSerif = QStringLiteral("MS Sans Serif");

// The substitute runs wider than the face the layouts were drawn with; narrowed, it keeps
// every caption inside its control.
constexpr int kSansSerifStretch = 80;

// 8 point on the 96 dpi screens the layouts were drawn on.
constexpr int kFormFontPixels = 11;

QFont SansSerif() {
    QFont font = NamedFace(kSansSerif);
    font.setStretch(kSansSerifStretch);
    return font;
}

} // namespace

void InstallFontSubstitutions() {
    QFont::insertSubstitution(kSansSerif, QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("System"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono"));
}

QFont FormFont() {
    return SansSerifPixels(kFormFontPixels);
}

QFont SansSerifPixels(int pixelSize, bool bold) {
    QFont font = SansSerif();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont NamedFace(const QString& name) {
    // Qt looks at the substitutes only after fontconfig has sorted every installed font as
    // fallbacks for a name no font bears, once for each such name.
    return QFont(QFont::substitute(name));
}

QFont LucidaConsole(qreal pointSize) {
    QFont font = NamedFace(QStringLiteral("Lucida Console"));
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace zel
