#include "ui/ProgressWindow.h"

#include "ui/Fonts.h"
#include "ui/QtText.h"

#include <QLabel>
#include <QProgressBar>

namespace zel {
namespace {

constexpr int kGaugeMaximum = 46;
constexpr int kLabelLeft = 26;
constexpr int kLabelHeight = 13;

QFont PixelFont(const char* family, int pixelSize) {
    QFont font = NamedFace(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    return font;
}

QProgressBar* MakeGauge(QWidget& window) {
    auto* gauge = new QProgressBar(&window);
    gauge->setObjectName(QStringLiteral("Gauge1"));
    gauge->setGeometry(24, 28, 287, 21);
    gauge->setRange(0, kGaugeMaximum);
    gauge->setValue(0);
    gauge->setAlignment(Qt::AlignCenter);
    QPalette palette = gauge->palette();
    palette.setColor(QPalette::Highlight, Qt::blue);
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    gauge->setPalette(palette);
    return gauge;
}

// As wide as the window leaves it: a label sized to each text measures it once more than it
// draws it, and the scan sets 49 texts.
QLabel* MakeLabel(QWidget& window) {
    auto* label = new QLabel(&window);
    label->setObjectName(QStringLiteral("Label1"));
    label->setFont(PixelFont("MS Sans Serif", 11));
    label->setGeometry(kLabelLeft, 8, window.width() - kLabelLeft, kLabelHeight);
    return label;
}

} // namespace

ProgressWindow::ProgressWindow(QWidget& mainWindow)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("  Program indítása"));
    setFont(PixelFont("System", 13));
    setFixedSize(338, 92);
    m_gauge = MakeGauge(*this);
    m_label = MakeLabel(*this);
}

// Client area on client area: the frames are not known before the windows are shown, and
// both windows wear the same frame.
void ProgressWindow::CentreOnMainWindow() {
    const QRect main = m_mainWindow.geometry();
    setGeometry(main.left() + main.width() / 2 - width() / 2,
                main.top() + main.height() / 2 - height() / 2, width(), height());
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
