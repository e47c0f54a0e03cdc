#include "cursors.h"

#include <QBitmap>
#include <QMap>
#include <QPainter>
#include <QPainterPath>

namespace qolvar::platform {

namespace {
QMap<int, QCursor>& Registry()
{
    static QMap<int, QCursor> cursors;
    return cursors;
}

// The dropper: a rubber bulb at the upper right, a glass tube running down
// to the lower left, its tip at (10, 23).
QPainterPath Dropper()
{
    QPainterPath path;
    // Tube from the tip to the collar, as a slanted quadrilateral.
    path.moveTo(10, 23);
    path.lineTo(11, 19);
    path.lineTo(20, 10);
    path.lineTo(23, 13);
    path.lineTo(14, 22);
    path.closeSubpath();
    // Collar.
    path.addPolygon(QPolygonF({QPointF(18, 9), QPointF(21, 6), QPointF(27, 12), QPointF(24, 15)}));
    path.closeSubpath();
    // Bulb.
    path.addEllipse(QPointF(25.5, 7.5), 3.8, 3.8);
    return path;
}
}  // namespace

QCursor EyedropperCursor()
{
    // Two colours: black outline over a white body; everything else clear.
    QBitmap shape(32, 32), mask(32, 32);
    shape.fill(Qt::color0);
    mask.fill(Qt::color0);
    const QPainterPath dropper = Dropper();
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::color1, 3));
        p.setBrush(Qt::color1);
        p.drawPath(dropper);
        p.drawPoint(10, 23);
    }
    {
        QPainter p(&shape);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::color1, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(dropper);
        p.drawPoint(10, 23);
    }
    return QCursor(shape, mask, 10, 23);
}

void RegisterCursor(int number, const QCursor& cursor) { Registry().insert(number, cursor); }

QCursor ScreenCursor(int number) { return Registry().value(number, QCursor(Qt::ArrowCursor)); }

}  // namespace qolvar::platform
