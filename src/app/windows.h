// The program's four windows: the main window, the about box, the log
// viewer and the table editor, created in that order, the last three tied
// to the main window.
#pragma once

#include <QPoint>
#include <QSize>
#include <memory>
#include <optional>

#include "widgets/conditions.h"

namespace qolvar::app {

class TformMain;
class TAboutBox;
class TformLogViewer;
class TformTblEdit;
}  // namespace qolvar::app

class QWidget;

namespace qolvar::app {

// The windows in their order of creation: the main window (which runs its
// FormCreate), the about box, the log viewer, the table editor. Only the
// main window is shown (by the caller).
struct Windows {
    std::unique_ptr<TformMain> formMain;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TformLogViewer> formLogViewer;
    std::unique_ptr<TformTblEdit> formTblEdit;
    Windows();
    ~Windows();
    Windows(Windows&&) noexcept;
};
Windows CreateWindows();

// The about box, the log viewer and the table editor, tied to the main
// window (once).
void CreateHiddenWindows(Windows& w);

// For the program's start: the main window now (taking the renotation table
// being read ahead), the windows that start hidden just after it has
// painted its first frame (or a quarter of a second after it is shown,
// should it not paint), so that it appears sooner. `w` must not move until
// then.
void CreateWindowsMainFirst(Windows& w, PendingMunsellTable munsellTable = {});

// The toolkit's -qwindowgeometry or -geometry option, "[=][W{xX}H][{+-}X{+-}Y]"
// (a negative offset counts from the right or bottom edge).
struct GeometryArgument {
    std::optional<QSize> size;
    std::optional<QPoint> position;
    bool fromRight = false, fromBottom = false;
};
std::optional<GeometryArgument> ParseGeometryArgument(const QString& spec);
// Takes the option and its value out of the arguments (before the
// application object sees them) and returns the geometry it gives.
std::optional<GeometryArgument> TakeGeometryArgument(int& argc, char** argv);
// Gives the window that geometry, its size bounded by the screen's
// available area (a size without bound would take memory without bound)
// and by the window's minimum size.
void ApplyGeometryArgument(QWidget* window, const GeometryArgument& geometry);

}  // namespace qolvar::app
