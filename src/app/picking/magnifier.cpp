#include "picking/magnifier.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "platform/pickaverage.h"
#include "widgets/winhelpers.h"

namespace qolvar::app {

QImage ScreenSurface::grab(const QRect& rect, QRect* got) { return platform::screenReader().grabArea(rect, got); }

ImageSurface::ImageSurface(QImage image)
    : image_(image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
                 ? std::move(image)
                 : image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32))
{
}

QImage ImageSurface::grab(const QRect& rect, QRect* got)
{
    const QRect area = rect & image_.rect();
    if (got) *got = area;
    return area.isEmpty() ? QImage() : image_.copy(area);
}

int ZoomIn(int zoom)
{
    for (int z : kZoomSteps)
        if (z > zoom) return z;
    return kZoomSteps[std::size(kZoomSteps) - 1];
}

int ZoomOut(int zoom)
{
    int below = kZoomSteps[0];
    for (int z : kZoomSteps)
        if (z < zoom) below = z;
    return below;
}

PickKey PickKeyOf(const QKeyEvent* event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left: return {PickKey::Move, {-step, 0}};
    case Qt::Key_Right: return {PickKey::Move, {step, 0}};
    case Qt::Key_Up: return {PickKey::Move, {0, -step}};
    case Qt::Key_Down: return {PickKey::Move, {0, step}};
    case Qt::Key_Plus:
    case Qt::Key_Equal: return {PickKey::ZoomIn, {}};
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return {PickKey::ZoomOut, {}};
    case Qt::Key_Return:
    case Qt::Key_Enter: return {PickKey::Take, {}};
    case Qt::Key_Escape: return {PickKey::Cancel, {}};
    default: return {};
    }
}

Magnifier::Magnifier(PickSurface* surface, QWidget* parent) : QWidget(parent), surface_(surface)
{
    setFixedSize(kView, kView + kStrip);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Magnifier::setPosition(QPoint position)
{
    position_ = position;
    refresh();
}

void Magnifier::setZoom(int zoom)
{
    zoom_ = ZoomOut(zoom + 1);
    refresh();
}

void Magnifier::setAverage(int size)
{
    average_ = platform::IsPickAverage(size) ? size : 1;
    refresh();
}

int Magnifier::cells() const
{
    const int n = kView / zoom_;
    return std::max(n % 2 == 0 ? n - 1 : n, 7);
}

void Magnifier::refresh()
{
    const int n = cells();
    const QRect square(position_ - QPoint(n / 2, n / 2), QSize(n, n));
    pixels_ = surface_ ? surface_->grab(square, &got_) : QImage();
    if (pixels_.isNull()) got_ = QRect();
    colour_.reset();
    if (!pixels_.isNull() && got_.contains(position_)) {
        if (pixels_.format() != QImage::Format_RGB32 && pixels_.format() != QImage::Format_ARGB32)
            pixels_ = pixels_.convertToFormat(QImage::Format_RGB32);
        const platform::PixelView view{reinterpret_cast<const std::uint32_t*>(pixels_.constBits()), pixels_.width(),
                                       pixels_.height(), pixels_.bytesPerLine() / 4};
        const QPoint at = position_ - got_.topLeft();
        if (const auto c = platform::AverageSquare(view, at.x(), at.y(), average_)) colour_ = *c;
    }
    update();
}

void Magnifier::draw(QPainter& painter) const
{
    const int n = cells();
    // The view shows n cells; the centre cell lies in the middle.
    const int offset = (kView - n * zoom_) / 2;
    const QPoint origin = position_ - QPoint(n / 2, n / 2);
    painter.fillRect(QRect(0, 0, kView, kView), QColor(0x40, 0x40, 0x40));  // no pixels there
    if (!pixels_.isNull()) {
        const QRect target(offset + (got_.x() - origin.x()) * zoom_, offset + (got_.y() - origin.y()) * zoom_,
                           got_.width() * zoom_, got_.height() * zoom_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        // The alpha byte of an image's pixels plays no part in the colour.
        if (pixels_.format() == QImage::Format_ARGB32)
            painter.drawImage(target, QImage(pixels_.constBits(), pixels_.width(), pixels_.height(),
                                             pixels_.bytesPerLine(), QImage::Format_RGB32));
        else
            painter.drawImage(target, pixels_);
    }
    // The square whose average is taken, framed black and white so that
    // the frame shows on any colour.
    const int a = average_;
    const QRect frame(offset + (n / 2 - a / 2) * zoom_, offset + (n / 2 - a / 2) * zoom_, a * zoom_, a * zoom_);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(frame.adjusted(-1, -1, 0, 0));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(frame.adjusted(-2, -2, 1, 1));

    // The strip: swatch, code, zoom and square.
    const QRect strip(0, kView, kView, kStrip);
    painter.fillRect(strip, palette().window());
    const QRect swatch(4, kView + 4, 30, kStrip - 8);
    painter.setPen(QPen(Qt::black, 1));
    if (colour_) {
        painter.fillRect(swatch, QColor::fromRgb(static_cast<QRgb>(*colour_)));
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    }
    painter.setPen(palette().color(QPalette::WindowText));
    const QString code = colour_ ? QStringLiteral("#") + HexText(*colour_) : QStringLiteral("―");
    painter.drawText(QRect(40, kView, 90, kStrip), Qt::AlignVCenter | Qt::AlignLeft, code);
    painter.drawText(QRect(130, kView, kView - 134, kStrip), Qt::AlignVCenter | Qt::AlignRight,
                     QStringLiteral("%1×  %2×%2").arg(QString::number(zoom_), QString::number(average_)));
}

void Magnifier::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    draw(painter);
}

}  // namespace qolvar::app
