#pragma once
// The three pictures of the message window, 32 x 32 on a transparent ground.

#include <QPixmap>

namespace zel {

// A red disc with a white diagonal cross.
QPixmap ErrorPicture();
// A yellow triangle with a black exclamation mark.
QPixmap WarningPicture();
// A white speech bubble with a blue letter i.
QPixmap InformationPicture();

} // namespace zel
