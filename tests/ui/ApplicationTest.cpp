#include "ui/Application.h"

#include "ui/Fonts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QToolTip>
#include <algorithm>
#include <gtest/gtest.h>

namespace zel {
namespace {

// The forms' face is only the default a line edit lays out its first text in: a window that
// brings no font of its own, a tooltip, a drop-down list, still draws with the desktop's.
TEST(Application, WidgetsWithoutAFontOfTheirOwnKeepTheDesktopFont) {
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    ASSERT_NE(desktop, FormFont());

    QWidget window;
    auto* edit = new QLineEdit(&window);
    window.show();
    EXPECT_EQ(window.font(), desktop) << window.font().toString().toStdString();
    EXPECT_EQ(edit->font(), desktop) << edit->font().toString().toStdString();

    QComboBox list;
    list.addItem(QStringLiteral("C:"));
    EXPECT_EQ(list.view()->font(), desktop) << list.view()->font().toString().toStdString();

    QToolTip::showText(QPoint(10, 10), QStringLiteral("Beállítások"));
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto tip = std::find_if(windows.begin(), windows.end(),
                                  [](const QWidget* w) { return w->inherits("QTipLabel"); });
    ASSERT_NE(tip, windows.end());
    EXPECT_EQ((*tip)->font(), desktop) << (*tip)->font().toString().toStdString();
    QToolTip::hideText();
}

} // namespace
} // namespace zel
