#include "pages/huefield.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <future>
#include <mutex>

#include "colour/hue.h"

namespace qolvar::app {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves without a button reach the owner too; it decides what they do.
    setMouseTracking(true);
    // Reached by Tab and a click; the arrow keys move the marker.
    setFocusPolicy(Qt::StrongFocus);
}

QImage& PaintBox::Canvas()
{
    if (canvas_.size() != size()) {
        QImage grown(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        grown.fill(palette().color(QPalette::Window));
        if (!canvas_.isNull()) {
            QPainter p(&grown);
            p.drawImage(0, 0, canvas_);
        }
        canvas_ = std::move(grown);
    }
    return canvas_;
}

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, Canvas());
    if (hasFocus()) {
        // A dotted frame in the inverse of the pixels, visible on any colour.
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PaintBox::Invalidate()
{
    if (isVisible()) emit Paint();
}

void PaintBox::showEvent(QShowEvent*) { emit Paint(); }

void PaintBox::resizeEvent(QResizeEvent*) { Invalidate(); }

void PaintBox::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left: emit Nudge(-step, 0); break;
    case Qt::Key_Right: emit Nudge(step, 0); break;
    case Qt::Key_Up: emit Nudge(0, -step); break;
    case Qt::Key_Down: emit Nudge(0, step); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

// The focus frame is drawn over the canvas while the box has the focus.
void PaintBox::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void PaintBox::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void PaintBox::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit MouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void PaintBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit MouseMove(event->modifiers(), p.x(), p.y());
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit MouseUp(event->button(), event->modifiers(), p.x(), p.y());
}

PictureBox::PictureBox(QWidget* parent, const QImage& (*picture)()) : QWidget(parent), picture_(picture)
{
    setVisible(false);
}

void FillHSVField(QImage& canvas, std::uint32_t hue)
{
    const int w = std::min(canvas.width(), 256);
    const int h = std::min(canvas.height(), 256);
    const HueCode base = (hue & 0xFFFF) << 16;
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
        const auto value = static_cast<HueCode>(255 - y);
        for (int x = 0; x < w; ++x) line[x] = PixelOf(HSVToRGB(base | static_cast<HueCode>(x) << 8 | value));
    }
}

namespace {

QImage MakeHLSFieldPicture()
{
    QImage img(360, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const auto saturation = static_cast<HueCode>(255 - y);
        for (int x = 0; x < 360; ++x)
            line[x] = PixelOf(HLSToRGB(static_cast<HueCode>(x) << 16 | 128u << 8 | saturation));
    }
    return img;
}

std::once_flag pictureStarted;
std::shared_future<QImage> picture;

void StartHLSFieldPicture(std::launch how)
{
    std::call_once(pictureStarted, [how] { picture = std::async(how, MakeHLSFieldPicture).share(); });
}

}  // namespace

void PrepareHLSFieldPicture() { StartHLSFieldPicture(std::launch::async); }

const QImage& HLSFieldPicture()
{
    // Made here, in the caller's thread, unless PrepareHLSFieldPicture
    // already has it made in the background.
    StartHLSFieldPicture(std::launch::deferred);
    return picture.get();
}

namespace {

// Row y of the canvas, pixels 0..23, in one colour (a strip line).
void StripLine(QImage& canvas, int y, RGBCode rgb)
{
    if (y < 0 || y >= canvas.height()) return;
    auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
    std::fill(line, line + std::min(canvas.width(), 24), PixelOf(rgb));
}

// A painter that inverts what it draws: XOR with white, no fill, no
// smoothing, so that the same shape drawn twice leaves no trace.
void Invert(QImage& canvas, const TRect& r, bool ellipse)
{
    const int w = r.Right - r.Left, h = r.Bottom - r.Top;
    if (w <= 0 || h <= 0) return;
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(QColor(255, 255, 255), 0));
    p.setBrush(Qt::NoBrush);
    // Qt's outline of QRect(x, y, w', h') covers w' + 1 columns.
    const QRect q(r.Left, r.Top, w - 1, h - 1);
    if (ellipse)
        p.drawEllipse(q);
    else
        p.drawRect(q);
}

}  // namespace

void PaintHSVStrip(QImage& canvas)
{
    const int rows = std::min(canvas.height(), 360);
    for (int i = 0; i < rows; ++i) StripLine(canvas, i, HSVToRGB(static_cast<HueCode>(HueOfRow(i)) << 16 | 0xFFFFu));
}

void PaintHLSStrip(QImage& canvas, std::uint32_t hue, std::uint32_t saturation)
{
    const HueCode base = hue << 16 | (saturation & 0xFF);
    const int rows = std::min(canvas.height(), 256);
    for (int i = 0; i < rows; ++i) StripLine(canvas, i, HLSToRGB(base | static_cast<HueCode>(255 - i) << 8));
}

void InvertEllipse(QImage& canvas, const TRect& r) { Invert(canvas, r, true); }
void InvertRectangle(QImage& canvas, const TRect& r) { Invert(canvas, r, false); }

std::int64_t RoundDiv(std::int64_t num, std::int64_t den)
{
    std::int64_t q = num / den, r = num % den;
    if (r < 0) {  // floor division
        r += den;
        --q;
    }
    if (2 * r > den || (2 * r == den && (q & 1) != 0)) ++q;
    return q;
}

MarkerOverhang::MarkerOverhang(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    lower();
}

void MarkerOverhang::Follow(const QRect& frame)
{
    setGeometry(frame.adjusted(-kReach, -kReach, kReach, kReach));
    lower();
}

void MarkerOverhang::Show(const QRect& circle)
{
    circle_ = circle.translated(kReach, kReach);
    update();
}

void MarkerOverhang::Hide()
{
    circle_ = QRect();
    update();
}

void MarkerOverhang::paintEvent(QPaintEvent*)
{
    if (circle_.isEmpty()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRgb back = palette().color(backgroundRole()).rgb();
    p.setPen(QPen(QColor(back ^ 0x00FFFFFFu), 0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(circle_);
}

}  // namespace qolvar::app
