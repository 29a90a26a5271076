#include "ui/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zel {

QSize ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->size() : QSize(640, 480);
}

QSize FrameExtra(const QWidget& window) {
    return window.frameGeometry().size() - window.size();
}

} // namespace zel
