#pragma once

#include <QPixmap>

namespace qolvar::app {

// The program's picture: three overlapping discs of the primaries.
QPixmap ProgramPixmap(int size);

}  // namespace qolvar::app
