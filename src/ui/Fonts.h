#pragma once
// The windows ask for their fonts by the names they were drawn with; these map the names to
// faces that are installed and have every Hungarian letter.

#include <QFont>

namespace zel {

// "MS Sans Serif" and "System" to DejaVu Sans, "Lucida Console" to DejaVu Sans Mono.
void InstallFontSubstitutions();

// A font by its original name, as the substitutions map it.
QFont NamedFace(const QString& name);
// "MS Sans Serif", 8 point (11 pixels, so that the pixel layouts hold on any screen): the
// default of every window.
QFont FormFont();
// "MS Sans Serif" at a character height in pixels.
QFont SansSerifPixels(int pixelSize, bool bold = false);
// "Lucida Console" at a point size, marked as a typewriter face so that it never falls back
// to a proportional one.
QFont LucidaConsole(qreal pointSize);

} // namespace zel
