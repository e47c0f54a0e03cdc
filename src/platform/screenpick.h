// Reading a colour from the screen.
//
// On X11 the pixel under the pointer is read from the screen directly. On
// Wayland no program may read the screen or the global pointer; there the
// desktop portal's colour picker (org.freedesktop.portal.Screenshot,
// PickColor, over D-Bus) lets the user pick, and hands back the colour.
// Where neither works the caller is told, so a failure never turns into a
// wrong colour.
#pragma once

#include <qwindowdefs.h>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

#include "colour/codes.h"
#include "platform/monitorprofile.h"

class QScreen;
class QWidget;

namespace qolvar::platform {

enum class PickStatus { Picked, Cancelled, Failed };
struct PickResult {
    PickStatus status;
    TColor colour = 0;
};
using PickDone = std::function<void(PickResult)>;

// Device pixels. Under a scale factor (QT_SCALE_FACTOR, or the desktop's)
// the toolkit gives windows, the pointer and events in logical pixels, each
// of which covers several of the screen's own pixels, or one and a part of
// the next. A picker must reach every pixel of the screen, so it reads,
// magnifies and averages device pixels: the screen's own pixels, in the
// desktop's coordinates (on X11 the root window's). A screen's top left
// corner is the same in both.

// The device pixel under a position in logical global coordinates (an
// event's pointer position may lie between logical pixels), on the screen
// at that position.
QPoint DevicePixelAt(QPointF logicalPos);
// The logical global position nearest to a device pixel: where the pointer
// is put to stand over it. Under a scale factor of 2 only every other device
// pixel has a logical position of its own.
QPoint LogicalPosOf(QPoint devicePixel);
// The device pixel the pointer is on, asked of the desktop where it tells
// (X11; window is one of ours, for the screen); nullopt elsewhere. The
// toolkit's QCursor::pos() gives it rounded to logical pixels only.
std::optional<QPoint> PointerDevicePixel(WId window);
// The same on a screen whose top left corner is origin and whose logical
// pixels are ratio device pixels wide.
QPoint DevicePixelAt(QPointF logicalPos, QPoint origin, qreal ratio);
QPoint LogicalPosOf(QPoint devicePixel, QPoint origin, qreal ratio);
// The screen that shows a device pixel; where none does, the primary.
QScreen* ScreenOfDevicePixel(QPoint devicePixel);

class ScreenReader {
public:
    virtual ~ScreenReader() = default;
    // Whether the screen can be read directly (X11 and the like).
    virtual bool canReadPixels() const = 0;
    // The colour of the device pixel at a global position, or nullopt when
    // it cannot be read.
    virtual std::optional<TColor> readPixel(QPoint devicePixel) = 0;
    // Asks the desktop to let the user pick a colour; done runs later with
    // the colour, or with Cancelled (the user's choice) or Failed (no
    // portal on this desktop). Returns false when there is no session bus
    // to ask at all.
    virtual bool pickWithPortal(QWidget* parent, PickDone done) = 0;
    // The device pixels of a rectangle of the screen (in device pixels),
    // cut to the screen that holds its centre: an image in Format_RGB32,
    // one image pixel to a device pixel, and, in *got, the part of rect it
    // shows. A null image (and an empty *got) when the screen cannot be
    // read there.
    virtual QImage grabArea(const QRect& rect, QRect* got)
    {
        (void)rect;
        if (got) *got = QRect();
        return {};
    }
};

// Where a taken colour came from, for the status bar.
enum class PickPath { Screen, Portal, Image };

// The reader in use; SetScreenReader(nullptr) restores the desktop's.
ScreenReader& screenReader();
void SetScreenReader(ScreenReader* reader);

// Picks a screen colour for a window: the device pixel under globalPos (in
// logical coordinates) where the screen can be read, else the desktop portal's picker. take receives the
// colour and the path that gave it, at once or later. A pixel read from the
// screen goes through the monitor's profile (see monitorprofile.h); take
// also learns which profile that was. When no colour can be had, failed
// receives why (for the user); without failed the warning below is shown
// over parent. A pick the user cancels does nothing.
void PickScreenColour(QWidget* parent, QPointF globalPos, std::function<void(TColor, PickPath, const ProfileUse&)> take,
                      std::function<void(const QString& why)> failed = {});
void PickScreenColour(QWidget* parent, QPointF globalPos, std::function<void(TColor, PickPath)> take,
                      std::function<void(const QString& why)> failed = {});

// Why the screen of this desktop cannot be read directly, for the user
// (empty where it can).
QString ScreenUnreadableReason();
// The name of the direct screen path for the user ("画面（X11）" on X11).
QString ScreenPathName();

// The warning shown when no colour could be read.
inline constexpr const char* kPickFailedMessage = QT_TRANSLATE_NOOP(
    "qolvar::platform", "画面の色を読み取れませんでした。このデスクトップでは画面の色を取得できません。");

}  // namespace qolvar::platform
