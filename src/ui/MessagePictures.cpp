#include "ui/MessagePictures.h"

#include <QPainter>
#include <QPainterPath>

namespace zel {
namespace {

constexpr int kSize = 32;

QPixmap EmptyPicture() {
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    return picture;
}

} // namespace

QPixmap ErrorPicture() {
    QPixmap picture = EmptyPicture();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(128, 0, 0), 1));
    painter.setBrush(QColor(255, 0, 0));
    painter.drawEllipse(QRectF(1.5, 1.5, 28, 28));
    painter.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(QPointF(10.5, 10.5), QPointF(20.5, 20.5));
    painter.drawLine(QPointF(20.5, 10.5), QPointF(10.5, 20.5));
    return picture;
}

QPixmap WarningPicture() {
    QPixmap picture = EmptyPicture();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(16, 2);
    triangle.lineTo(30.5, 29.5);
    triangle.lineTo(1.5, 29.5);
    triangle.closeSubpath();
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawPath(triangle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRoundedRect(QRectF(14.5, 10, 3, 11), 1.2, 1.2);
    painter.drawEllipse(QRectF(14.3, 23, 3.4, 3.4));
    return picture;
}

QPixmap InformationPicture() {
    QPixmap picture = EmptyPicture();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath bubble;
    bubble.addEllipse(QRectF(1.5, 1.5, 29, 23));
    QPainterPath tail;
    tail.moveTo(8, 20);
    tail.lineTo(5, 30.5);
    tail.lineTo(15, 23);
    tail.closeSubpath();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(bubble.united(tail));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 255));
    painter.drawEllipse(QRectF(14.2, 5, 3.6, 3.6));
    painter.drawRect(QRectF(14.5, 10.5, 3, 10));
    painter.drawRect(QRectF(12.5, 10.5, 2, 2));
    painter.drawRect(QRectF(12.5, 19, 7, 1.5));
    return picture;
}

} // namespace zel
