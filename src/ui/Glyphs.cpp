#include "ui/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <cmath>
#include <numbers>

namespace zel {
namespace {

QPixmap Blank(int width, int height) {
    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    return picture;
}

} // namespace

QIcon SettingsGlyph() {
    QPixmap picture = Blank(18, 18);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath gear;
    const QPointF centre(9, 9);
    constexpr int kTeeth = 8;
    for (int tooth = 0; tooth < kTeeth * 2; ++tooth) {
        const double angle = tooth * std::numbers::pi / kTeeth;
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
    // The axle hole as an octagon, the corners where subtracting a circle of radius 2.6
    // from the gear put them: the same picture without the path clipper's code and tables.
    constexpr double kHole = 2.6;
    constexpr double kNear = 7.1615223689450005;
    constexpr double kFar = 10.838477631055;
    const std::array<QPointF, 8> hole = {{{centre.x() + kHole, centre.y()},
                                          {kFar, kFar},
                                          {centre.x(), centre.y() + kHole},
                                          {kNear, kFar},
                                          {centre.x() - kHole, centre.y()},
                                          {kNear, kNear},
                                          {centre.x(), centre.y() - kHole},
                                          {kFar, kNear}}};
    gear.moveTo(hole.front());
    for (std::size_t corner = 1; corner < hole.size(); ++corner) {
        gear.lineTo(hole[corner]);
    }
    gear.closeSubpath();
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    painter.setBrush(QColor(160, 160, 176));
    painter.drawPath(gear);
    return QIcon(picture);
}

QIcon BrowseGlyph() {
    QPixmap picture = Blank(9, 3);
    QPainter painter(&picture);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int dot = 0; dot < 3; ++dot) {
        painter.drawRect(dot * 3, 1, 2, 2);
    }
    return QIcon(picture);
}

QIcon TickGlyph() {
    QPixmap picture = Blank(16, 16);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 160, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
    return QIcon(picture);
}

QIcon CrossGlyph() {
    QPixmap picture = Blank(16, 16);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(208, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    painter.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    return QIcon(picture);
}

QIcon WindowIcon() {
    QPixmap picture = Blank(32, 32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 96), 1));
    painter.setBrush(QColor(0, 64, 160));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 4, 4);
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolyline(
        QPolygonF({QPointF(9, 9), QPointF(23, 9), QPointF(9, 23), QPointF(23, 23)}));
    return QIcon(picture);
}

} // namespace zel
