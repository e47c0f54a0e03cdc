// The table editor's small pictures: the rows being dragged and the edit
// commands of its tool bar.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace qolvar::app {

// The picture beside the pointer while rows are dragged: one sheet, or a
// stack of three for several rows.
QPixmap DragPixmap(bool severalRows);

// Small pictures for the edit commands on the tool bar.
enum class EditPicture { Cut, Copy, Paste, Delete, Insert };
QIcon EditIcon(EditPicture picture);

}  // namespace qolvar::app
