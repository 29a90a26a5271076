#pragma once
// Window placement works in outer sizes (frame and title bar included), as the window
// layouts were drawn; Qt sizes a window by its client area.

#include <QSize>

class QWidget;

namespace zel {

// The size of the primary screen.
QSize ScreenSize();
// What the frame adds to the client area; nothing before the window manager has framed it.
QSize FrameExtra(const QWidget& window);

} // namespace zel
