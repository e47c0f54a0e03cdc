// The table editor's picture of the rows being dragged.
#pragma once

#include <QPixmap>

namespace qolvar::app {

// The picture beside the pointer while rows are dragged: one sheet, or a
// stack of three for several rows.
QPixmap DragPixmap(bool severalRows);

}  // namespace qolvar::app
