// Accessible names and descriptions of the windows' controls, in the
// user's language, for screen readers on the desktop's accessibility bus.
#pragma once

class QWidget;
class QString;

namespace qolvar::app {

// Gives a control its accessible name (short) and description (what it
// does).
void SetAccessible(QWidget* control, const QString& name, const QString& description);

// Names and describes every control of a window by the controls' object
// names: the main window with its pages, the table editor, the log viewer,
// the about box, the image picker and the pick mode's window.
void DescribeMainWindow(QWidget* window);
void DescribeTableEditor(QWidget* window);
void DescribeLogViewer(QWidget* window);
void DescribeAboutBox(QWidget* window);
void DescribeImagePicker(QWidget* window);
void DescribePickMode(QWidget* window);

}  // namespace qolvar::app
