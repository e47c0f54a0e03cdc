// The pieces of the HUE page's colour field and hue strip: the paint box
// that shows an off-screen canvas, the pixel routines that fill it, the
// inverting markers and the scale conversions of the page.
//
// Markers are drawn by inverting the pixels under their outline (XOR with
// white), so drawing the same shape a second time restores the pixels and
// no repaint of the area is needed to move a marker.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

#include "colour/codes.h"

namespace qolvar::app {

// A rectangle given by its edges; right and bottom lie just outside it, so
// (0, 10, 24, 14) is 24 pixels wide and 4 high.
struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    friend bool operator==(const TRect&, const TRect&) = default;
};

// A widget that shows its canvas. The owner draws on the canvas and calls
// Changed(); the widget asks for a complete repaint (Paint) when it is
// shown or resized, as a system repaint would.
class PaintBox : public QWidget {
    Q_OBJECT
public:
    explicit PaintBox(QWidget* parent = nullptr);
    // The canvas, as large as the widget (content kept when it grows).
    QImage& Canvas();
    // Shows the canvas as it now is.
    void Changed() { update(); }
    // Asks for a complete repaint now, when the widget is visible (its
    // place on the screen changed).
    void Invalidate();

signals:
    void Paint();
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // An arrow key: the marker moves by dx, dy (ten with Shift).
    void Nudge(int dx, int dy);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage canvas_;
};

// A stored picture that is never shown itself; its owner draws it. The
// picture is made when it is first drawn, not at start-up.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, const QImage& (*picture)());
    const QImage& Picture() const { return picture_(); }

private:
    const QImage& (*picture_)();
};

// The part of the field's circle that lies beyond the field's edges. It
// stands under the field's frame, reaching past it by the circle's radius,
// so that the field covers it and only the outside part shows; there the
// circle is drawn as inverting the page's background would draw it.
class MarkerOverhang : public QWidget {
public:
    static constexpr int kReach = 6;
    explicit MarkerOverhang(QWidget* parent);
    // Follows the field's frame (its geometry in the common parent).
    void Follow(const QRect& frame);
    // The circle in the frame's coordinates, or none.
    void Show(const QRect& circle);
    void Hide();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect circle_;
};

// The pixel of a colour in a canvas (Format_RGB32).
inline QRgb PixelOf(RGBCode rgb) { return 0xFF000000u | (rgb & 0xFFFFFFu); }

// The HSV field of one hue: pixel (x, y) has saturation x and value
// 255 - y. Fills at most 256 × 256 pixels from the top-left corner.
void FillHSVField(QImage& canvas, std::uint32_t hue);

// The HLS field: 360 × 256 pixels, column x hue x degrees, row y saturation
// 255 - y, lightness 128. Computed once.
const QImage& HLSFieldPicture();
// Starts making that picture in a background thread, so that it is ready
// when the HUE page first shows the HLS field (the program's start).
void PrepareHLSFieldPicture();

// The hue strip of HSV: row i shows hue HueOfRow(i) at full saturation and
// value, as a line 24 pixels long (rows 0..359, clipped to the canvas).
void PaintHSVStrip(QImage& canvas);
// The lightness strip of HLS: row i shows lightness 255 - i at the hue and
// saturation given.
void PaintHLSStrip(QImage& canvas, std::uint32_t hue, std::uint32_t saturation);

// Inverts the outline of the ellipse inscribed in r, or of r itself.
// An empty rectangle draws nothing.
void InvertEllipse(QImage& canvas, const TRect& r);
void InvertRectangle(QImage& canvas, const TRect& r);

// num / den rounded to the nearest integer, halves to even (den > 0).
std::int64_t RoundDiv(std::int64_t num, std::int64_t den);
// Percent to 0..255: Round(p × 255 / 100), exactly; 0..255 to percent:
// Round(v × 100 / 255).
inline std::int64_t PercentToByte(std::int64_t p) { return RoundDiv(p * 255, 100); }
inline std::int64_t ByteToPercent(std::int64_t v) { return RoundDiv(v * 100, 255); }
// The HSV strip's rows and hues: hue = Round(row × 1.40625),
// row = Round(hue / 1.40625) (1.40625 = 45 / 32 = 360 / 256).
inline std::int64_t HueOfRow(std::int64_t row) { return RoundDiv(row * 45, 32); }
inline std::int64_t RowOfHue(std::int64_t hue) { return RoundDiv(hue * 32, 45); }

}  // namespace qolvar::app
