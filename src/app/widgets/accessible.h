// Accessible names and descriptions of the windows' controls, in the
// user's language, for screen readers on the desktop's accessibility bus.
// Each window and page describes its controls where it makes them.
#pragma once

class QWidget;
class QString;

namespace qolvar::app {

// Gives a control its accessible name (short) and description (what it
// does).
void SetAccessible(QWidget* control, const QString& name, const QString& description);

// The same for texts marked with QT_TRANSLATE_NOOP("Accessible", …),
// translated here into the user's language.
void Describe(QWidget* control, const char* name, const char* description);

}  // namespace qolvar::app
