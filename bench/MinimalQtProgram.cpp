// The floor bench/startup measures the launcher against: a Qt program that shows one tab
// page with a label and a button, and nothing more.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTabWidget window;
    auto* page = new QWidget;
    auto* label = new QLabel(QStringLiteral("Label"), page);
    label->setGeometry(16, 16, 200, 20);
    auto* button = new QPushButton(QStringLiteral("Button"), page);
    button->setGeometry(16, 48, 100, 25);
    window.addTab(page, QStringLiteral("Page"));
    window.resize(600, 512);
    window.show();
    return QApplication::exec();
}
