#include "ui/ProgressWindow.h"

#include "config/StartupScan.h"
#include "support/WineWorld.h"

#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>
#include <numeric>

namespace zel {
namespace {

class QuietMainWindow final : public StartupControls, public MessageSink {
public:
    void ApplyConfig(const LauncherConfig&) override {}
    void ApplyRowStates(const RowStates& states) override { rows = states; }
    void ShowMessageThen(std::string_view, MessageKind, std::string_view,
                         std::function<void()>) override {
        ++messages;
    }

    RowStates rows;
    int messages = 0;
};

TEST(ProgressWindow, LayoutAndTheStateAScanLeavesItIn) {
    test::WineWorld world;
    world.AddDrive('C');
    world.WriteFile("C:\\ZELKONYV.97\\A97.EXE");
    auto platform = world.MakePlatform();
    ProgramCatalogue catalogue;
    catalogue.Fill();
    LauncherConfig config;
    DriveTable driveTable;

    QWidget mainWindow;
    mainWindow.setGeometry(100, 120, 601, 403);
    ProgressWindow window(mainWindow);
    EXPECT_EQ(window.objectName(), "TForm5");
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("  Program indítása"));
    EXPECT_EQ(window.size(), QSize(338, 92));
    auto* gauge = window.findChild<QProgressBar*>("Gauge1");
    auto* label = window.findChild<QLabel*>("Label1");
    ASSERT_NE(gauge, nullptr);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(gauge->geometry(), QRect(24, 28, 287, 21));
    EXPECT_EQ(gauge->minimum(), 0);
    EXPECT_EQ(gauge->maximum(), 46);
    EXPECT_EQ(gauge->value(), 0);
    EXPECT_EQ(gauge->palette().color(QPalette::Highlight), QColor(Qt::blue));
    EXPECT_EQ(label->pos(), QPoint(26, 8));

    std::vector<int> shown;
    QObject::connect(gauge, &QProgressBar::valueChanged,
                     [&](int value) { shown.push_back(value); });
    QuietMainWindow controls;
    RunStartupScan(*platform, "C:\\ZELPULT.INI", {catalogue, config, driveTable}, window, controls,
                   controls);

    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_TRUE(window.isVisible());
    // 601 x 403 at 100, 120 and 338 x 92: each half truncated.
    EXPECT_EQ(window.geometry().topLeft(), QPoint(100 + 300 - 169, 120 + 201 - 46));
    std::vector<int> steps(46);
    std::iota(steps.begin(), steps.end(), 1);
    EXPECT_EQ(shown, steps);
    EXPECT_EQ(label->text(), QString::fromUtf8("Z: meghajtó keresése...") + QString(28, ' '));
    EXPECT_EQ(label->height(), 13);
    EXPECT_TRUE(controls.rows[2].rowEnabled);
    EXPECT_EQ(controls.messages, 0);
}

} // namespace
} // namespace zel
