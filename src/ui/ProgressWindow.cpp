#include "ui/ProgressWindow.h"

#include "panel/WindowDescriptions.h"
#include "panel/WindowPlacement.h"
#include "ui/ControlBuilder.h"
#include "ui/QtText.h"

#include <QLabel>
#include <QProgressBar>

namespace zel {

ProgressWindow::ProgressWindow(QWidget& mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_mainWindow(mainWindow) {
    BuildControls(*this, ProgressWindowDescription());
    m_gauge = Described<QProgressBar>(*this, "Gauge1");
    m_label = Described<QLabel>(*this, "Label1");
}

// Client area on client area: the frames are not known before the windows are shown, and
// both windows wear the same frame.
void ProgressWindow::CentreOnMainWindow() {
    const QRect main = m_mainWindow.geometry();
    const auto [left, top] =
        CentredOver(width(), height(), {main.left(), main.top(), main.width(), main.height()});
    setGeometry(left, top, width(), height());
}

void ProgressWindow::ShowOverMainWindow() {
    CentreOnMainWindow();
    m_mainWindow.show();
    m_mainWindow.repaint();
    show();
    repaint();
    m_mainWindow.repaint();
}

void ProgressWindow::SetGauge(int progress) {
    m_gauge->setValue(progress);
    m_gauge->repaint();
}

void ProgressWindow::SetLabel(std::string_view text) {
    m_label->setText(FromCp1250(text));
    m_label->repaint();
}

} // namespace zel
