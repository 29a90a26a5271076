#include "ui/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

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
    // The corners of eight teeth, radius 8.2 at every eighth of a turn and 6.0 between, as
    // the cosine and sine of each angle put them: written out, the start touches none of the
    // maths library.
    constexpr std::array<QPointF, 16> kCorners = {{{17.2, 9.0},
                                                   {14.54327719506772, 11.296100594190538},
                                                   {14.798275605729689, 14.798275605729689},
                                                   {11.29610059419054, 14.54327719506772},
                                                   {9.0, 17.2},
                                                   {6.703899405809461, 14.54327719506772},
                                                   {3.201724394270311, 14.798275605729689},
                                                   {3.45672280493228, 11.29610059419054},
                                                   {0.8000000000000007, 9.000000000000002},
                                                   {3.456722804932279, 6.703899405809462},
                                                   {3.2017243942703093, 3.201724394270311},
                                                   {6.703899405809458, 3.456722804932281},
                                                   {8.999999999999998, 0.8000000000000007},
                                                   {11.29610059419054, 3.45672280493228},
                                                   {14.798275605729689, 3.2017243942703093},
                                                   {14.54327719506772, 6.703899405809458}}};
    gear.moveTo(kCorners[0]);
    for (std::size_t corner = 1; corner < kCorners.size(); ++corner) {
        gear.lineTo(kCorners[corner]);
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
