#include "widgets/programicon.h"

#include <QPainter>

namespace qolvar::app {

QPixmap ProgramPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 2));
    p.setBrush(QColor(0xF4, 0xF4, 0xF4));
    p.drawRoundedRect(QRectF(4, 4, 56, 56), 10, 10);
    p.setPen(Qt::NoPen);
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.setBrush(QColor(255, 80, 80));
    p.drawEllipse(QPointF(24, 26), 13, 13);
    p.setBrush(QColor(80, 220, 80));
    p.drawEllipse(QPointF(40, 26), 13, 13);
    p.setBrush(QColor(80, 110, 255));
    p.drawEllipse(QPointF(32, 40), 13, 13);
    return pixmap;
}

}  // namespace qolvar::app
