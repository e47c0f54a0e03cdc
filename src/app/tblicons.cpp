#include "tblicons.h"

#include <QPainter>

namespace qolvar::app {

// The picture beside the pointer while rows are dragged: one sheet, or a
// stack of three for several rows.
QPixmap DragPixmap(bool severalRows)
{
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    const int sheets = severalRows ? 3 : 1;
    for (int k = sheets - 1; k >= 0; --k) p.drawRect(2 + 4 * k, 2 + 4 * k, 11, 11);
    return pixmap;
}

QIcon EditIcon(EditPicture picture)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen ink(QColor(0x20, 0x20, 0x20), 1.2);
    auto sheet = [&](const QRectF& r) {
        p.setPen(ink);
        p.setBrush(Qt::white);
        p.drawRect(r);
    };
    switch (picture) {
    case EditPicture::Cut:  // scissors: two blades crossing above two rings
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5));
        p.drawLine(QPointF(5, 1), QPointF(10.5, 10));
        p.drawLine(QPointF(11, 1), QPointF(5.5, 10));
        p.setPen(QPen(QColor(0x20, 0x40, 0xC0), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
        p.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
        break;
    case EditPicture::Copy:  // two sheets
        sheet(QRectF(1.5, 1.5, 8, 10));
        sheet(QRectF(6.5, 4.5, 8, 10));
        break;
    case EditPicture::Paste:  // a sheet on a board
        p.setPen(ink);
        p.setBrush(QColor(0xB0, 0x80, 0x40));
        p.drawRect(QRectF(1.5, 2.5, 10, 12));
        sheet(QRectF(6.5, 5.5, 8, 9));
        break;
    case EditPicture::Delete:  // a red cross
        p.setPen(QPen(QColor(0xD0, 0x20, 0x20), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 3), QPointF(13, 13));
        p.drawLine(QPointF(13, 3), QPointF(3, 13));
        break;
    case EditPicture::Insert:  // a sheet with a green plus
        sheet(QRectF(1.5, 1.5, 9, 12));
        p.setPen(QPen(QColor(0x10, 0xA0, 0x30), 2.2));
        p.drawLine(QPointF(11.5, 7), QPointF(11.5, 15));
        p.drawLine(QPointF(7.5, 11), QPointF(15.5, 11));
        break;
    }
    return QIcon(pixmap);
}

}  // namespace qolvar::app
