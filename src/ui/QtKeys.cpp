#include "ui/QtKeys.h"

#include <QKeyEvent>

namespace zel {

Key KeyOf(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    default:
        return Key::Other;
    }
}

} // namespace zel
