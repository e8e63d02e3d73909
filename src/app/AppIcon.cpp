#include "app/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace etp {

namespace {

QPixmap DrawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0); // drawn on a 64 x 64 grid
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x4c, 0x9a, 0x2a));
    painter.drawRoundedRect(QRectF(2, 40, 60, 22), 6, 6);
    painter.setBrush(QColor(0xf5, 0xb7, 0x00));
    painter.drawEllipse(QPointF(22, 24), 14, 14);
    QPainterPath drop;
    drop.moveTo(47, 6);
    drop.cubicTo(41, 18, 36, 24, 36, 30);
    drop.cubicTo(36, 37, 41, 41, 47, 41);
    drop.cubicTo(53, 41, 58, 37, 58, 30);
    drop.cubicTo(58, 24, 53, 18, 47, 6);
    painter.setBrush(QColor(0x1e, 0x6f, 0xd9));
    painter.drawPath(drop);
    return pixmap;
}

} // namespace

QIcon AppIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) icon.addPixmap(DrawIcon(size));
    return icon;
}

} // namespace etp
