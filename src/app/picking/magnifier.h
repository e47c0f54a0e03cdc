// The picker's magnifier: the pixels around a position, enlarged, with the
// centre pixel or the averaging square framed, the code of the colour that
// would be taken and a swatch of it. It reads its pixels from a
// PickSurface, the screen or an image, so the screen pick mode and the
// image viewer share it (and its keys).
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <memory>
#include <optional>

#include "colour/codes.h"
#include "image/imagecolour.h"
#include "platform/monitorprofile.h"
#include "platform/screenpick.h"

class QKeyEvent;
class QPainter;

namespace qolvar::app {

// Where a picker's pixels come from. Positions and rectangles are in the
// surface's own pixels.
class PickSurface {
public:
    virtual ~PickSurface() = default;
    // The pixels of rect that exist (Format_RGB32 or ARGB32, the alpha byte
    // ignored) and, in *got, the part of rect they cover; a null image and
    // an empty *got when there are none.
    virtual QImage grab(const QRect& rect, QRect* got) = 0;
    virtual platform::PickPath path() const = 0;
    // The colour taken at position: the average of the size×size square
    // over the pixels that exist, from pixels as grab gave them for a
    // rectangle holding the square (got). Here the device values' means,
    // rounded; a surface with a colour profile converts them through it.
    virtual std::optional<RGBCode> colourAt(const QImage& pixels, const QRect& got, QPoint position, int size) const;
    // The colour profile the colour at position goes through.
    virtual platform::ProfileUse profileUse(QPoint position) const
    {
        (void)position;
        return {};
    }
};

// The screen, through the screen reader in use; its pixels are device
// pixels, whatever the scale factor. Colours go through the profile of the
// monitor that shows them, as it was when the surface was made.
class ScreenSurface : public PickSurface {
public:
    ScreenSurface();
    QImage grab(const QRect& rect, QRect* got) override;
    platform::PickPath path() const override { return platform::PickPath::Screen; }
    std::optional<RGBCode> colourAt(const QImage& pixels, const QRect& got, QPoint position, int size) const override;
    platform::ProfileUse profileUse(QPoint position) const override;
};

// An image; its pixels are at (0, 0) .. (width − 1, height − 1). Colours go
// through the image's embedded profile (see ImageColours); the magnifier
// shows the device values.
class ImageSurface : public PickSurface {
public:
    explicit ImageSurface(QImage image);
    QImage grab(const QRect& rect, QRect* got) override;
    platform::PickPath path() const override { return platform::PickPath::Image; }
    std::optional<RGBCode> colourAt(const QImage& pixels, const QRect& got, QPoint position, int size) const override;
    platform::ProfileUse profileUse(QPoint position) const override;
    const QImage& image() const { return image_; }

private:
    ImageColours colours_;
    QImage image_;
};

// The zoom steps, 2× to 32×; the next step in or out (the same at the ends).
inline constexpr int kZoomSteps[] = {2, 3, 4, 6, 8, 12, 16, 24, 32};
int ZoomIn(int zoom);
int ZoomOut(int zoom);

// What a key does in a picker: arrows move by one pixel of the surface
// (Shift: ten), + / − (and =, the keypad's) zoom, Enter takes, Esc cancels.
struct PickKey {
    enum Kind { None, Move, ZoomIn, ZoomOut, Take, Cancel } kind = None;
    QPoint step;
};
PickKey PickKeyOf(const QKeyEvent* event);

class Magnifier : public QWidget {
public:
    // The side of the enlarged square and the height of the strip below it
    // (swatch and code), in pixels.
    static constexpr int kView = 224;
    static constexpr int kStrip = 26;

    explicit Magnifier(PickSurface* surface, QWidget* parent = nullptr);

    // Moves to a position of the surface and grabs the pixels around it.
    void setPosition(QPoint position);
    QPoint position() const { return position_; }
    void setZoom(int zoom);  // one of kZoomSteps, else the nearest below
    int zoom() const { return zoom_; }
    void setAverage(int size);  // 1, 3, 5 or 7
    int average() const { return average_; }
    // Grabs the pixels around the position afresh (the screen changes).
    void refresh();
    // The colour that would be taken: the average of the square at the
    // position over the pixels that exist; nullopt where there are none.
    std::optional<RGBCode> colour() const { return colour_; }

    // The number of surface pixels across the view at the current zoom
    // (odd, so the centre pixel sits in the middle).
    int cells() const;
    // Draws the magnifier with its top left corner at (0, 0).
    void draw(QPainter& painter) const;
    QSize sizeHint() const override { return {kView, kView + kStrip}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PickSurface* surface_ = nullptr;
    QPoint position_;
    int zoom_ = 8;
    int average_ = 1;
    QImage pixels_;
    QRect got_;
    std::optional<RGBCode> colour_;
};

}  // namespace qolvar::app
