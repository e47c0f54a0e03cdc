// Reading a colour from the screen.
//
// On X11 the pixel under the pointer is read from the screen directly. On
// Wayland no program may read the screen or the global pointer; there the
// desktop portal's colour picker (org.freedesktop.portal.Screenshot,
// PickColor, over D-Bus) lets the user pick, and hands back the colour.
// Where neither works the caller is told, so a failure never turns into a
// wrong colour.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

#include "colour/codes.h"

class QWidget;

namespace qolvar::platform {

enum class PickStatus { Picked, Cancelled, Failed };
struct PickResult {
    PickStatus status;
    TColor colour = 0;
};
using PickDone = std::function<void(PickResult)>;

class ScreenReader {
public:
    virtual ~ScreenReader() = default;
    // Whether the screen can be read directly (X11 and the like).
    virtual bool canReadPixels() const = 0;
    // The colour of the pixel at a global position, or nullopt when it
    // cannot be read.
    virtual std::optional<TColor> readPixel(QPoint globalPos) = 0;
    // Asks the desktop to let the user pick a colour; done runs later with
    // the colour, or with Cancelled (the user's choice) or Failed (no
    // portal on this desktop). Returns false when there is no session bus
    // to ask at all.
    virtual bool pickWithPortal(QWidget* parent, PickDone done) = 0;
    // The pixels of a rectangle of the screen (global coordinates), cut to
    // the screen that holds its centre: an image in Format_RGB32 and, in
    // *got, the part of rect it shows. A null image (and an empty *got)
    // when the screen cannot be read there.
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

// Picks a screen colour for a window: the pixel at globalPos where the
// screen can be read, else the desktop portal's picker. take receives the
// colour and the path that gave it, at once or later. When no colour can be
// had, failed receives why (for the user); without failed the warning below
// is shown over parent. A pick the user cancels does nothing.
void PickScreenColour(QWidget* parent, QPoint globalPos, std::function<void(TColor, PickPath)> take,
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
