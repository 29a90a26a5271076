#include "GuiWorld.h"
#include "ui/Launcher.h"
#include "ui/MainWindow.h"
#include "ui/SelfInstallWindow.h"
#include "ui/SettingsDialog.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace zel {
namespace {

// Every caption is read whole: none is cut by the fixed size of its control.
void ExpectCaptionsFit(const QWidget& window) {
    SCOPED_TRACE(window.objectName().toStdString());
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(control);
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (text.isEmpty() || !control->isVisibleTo(&window)) {
            continue;
        }
        // A push button's own size hint asks for more room than its caption needs.
        const int needed = qobject_cast<const QPushButton*>(control)
                               ? control->fontMetrics().horizontalAdvance(QString(text).remove('&'))
                               : control->sizeHint().width();
        EXPECT_LE(needed, control->width())
            << control->objectName().toStdString() << ": " << text.toStdString();
    }
}

TEST(CaptionsFit, InEveryWindowOfThePanel) {
    test::GuiWorld env;
    env.WriteConfig();
    Launcher launcher(env.platform);
    ASSERT_EQ(launcher.Start(), StartMode::Normal);
    launcher.Catalogue().SetDriveLetter(43, 'C');
    launcher.Form3()->Panel().Open(43, {"C:", "D:"});
    ExpectCaptionsFit(*launcher.Form1());
    // Its controls are made as it shows.
    launcher.Form2()->show();
    ExpectCaptionsFit(*launcher.Form2());
    ExpectCaptionsFit(*launcher.Form3());
}

} // namespace
} // namespace zel
