#include "tableeditor/tblicons.h"

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

}  // namespace qolvar::app
