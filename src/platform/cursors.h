// The program's screen cursors by number, as the windows register and use
// them. Number 5 is the eyedropper: a 32 × 32 two-colour dropper with its
// tip, the hot spot, at (10, 23).
#pragma once

#include <QCursor>

namespace qolvar::platform {

inline constexpr int kEyedropperCursor = 5;

// The eyedropper cursor drawn from its bitmap.
QCursor EyedropperCursor();

void RegisterCursor(int number, const QCursor& cursor);
// The registered cursor, or the arrow when the number is not registered.
QCursor ScreenCursor(int number);

}  // namespace qolvar::platform
