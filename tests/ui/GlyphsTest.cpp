#include "ui/Glyphs.h"

#include "panel/MainWindowDescription.h"
#include "ui/ControlBuilder.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolButton>
#include <QWidget>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace zel {
namespace {

// The gear as it was first drawn: a circle subtracted from the toothed outline.
QImage GearWithSubtractedCircle() {
    QPixmap picture(18, 18);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath gear;
    const QPointF centre(9, 9);
    for (int tooth = 0; tooth < 16; ++tooth) {
        const double angle = tooth * std::numbers::pi / 8;
        const double radius = tooth % 2 == 0 ? 8.2 : 6.0;
        const QPointF corner(centre.x() + radius * std::cos(angle),
                             centre.y() + radius * std::sin(angle));
        if (tooth == 0) {
            gear.moveTo(corner);
        } else {
            gear.lineTo(corner);
        }
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, 2.6, 2.6);
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    painter.setBrush(QColor(160, 160, 176));
    painter.drawPath(gear.subtracted(hole));
    painter.end();
    return picture.toImage();
}

TEST(Glyphs, TheGearIsThePictureTheSubtractedCircleMade) {
    const QImage drawn = SettingsGlyph().pixmap(18, 18).toImage();
    const QImage reference = GearWithSubtractedCircle();
    ASSERT_EQ(drawn.size(), reference.size());
    for (int y = 0; y < reference.height(); ++y) {
        for (int x = 0; x < reference.width(); ++x) {
            EXPECT_EQ(drawn.pixel(x, y), reference.pixel(x, y)) << x << "," << y;
        }
    }
}

// The buttons draw their glyphs only when they first paint them; what they paint, enabled or
// not, is the glyph as it is drawn at once.
TEST(Glyphs, AButtonPaintsTheGlyphItDrawsLateAsItWouldHaveDrawnItAtOnce) {
    QWidget page;
    static_cast<void>(BuildControls(page, PrintPageDescription()));
    const std::pair<const char*, QIcon> buttons[] = {{"btNyomtat", TickGlyph()},
                                                     {"btMegszakit", CrossGlyph()}};
    for (const auto& [name, glyph] : buttons) {
        const QIcon icon = Described<QToolButton>(page, name)->icon();
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            EXPECT_EQ(icon.actualSize(QSize(18, 18), mode), glyph.actualSize(QSize(18, 18), mode))
                << name;
            EXPECT_EQ(icon.pixmap(QSize(18, 18), mode).toImage(),
                      glyph.pixmap(QSize(18, 18), mode).toImage())
                << name << " mode " << mode;
        }
    }
}

} // namespace
} // namespace zel
