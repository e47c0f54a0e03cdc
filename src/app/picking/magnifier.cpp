#include "picking/magnifier.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "platform/pickaverage.h"
#include "widgets/winhelpers.h"

namespace qolvar::app {

namespace {

platform::PixelView ViewOf(const QImage& pixels)
{
    return {reinterpret_cast<const std::uint32_t*>(pixels.constBits()), pixels.width(), pixels.height(),
            pixels.bytesPerLine() / 4};
}

}  // namespace

std::optional<RGBCode> PickSurface::colourAt(const QImage& pixels, const QRect& got, QPoint position, int size) const
{
    const QPoint at = position - got.topLeft();
    return platform::AverageSquare(ViewOf(pixels), at.x(), at.y(), size);
}

ScreenSurface::ScreenSurface() { platform::RefreshMonitorProfiles(); }

QImage ScreenSurface::grab(const QRect& rect, QRect* got) { return platform::screenReader().grabArea(rect, got); }

std::optional<RGBCode> ScreenSurface::colourAt(const QImage& pixels, const QRect& got, QPoint position, int size) const
{
    const platform::MonitorProfile monitor = platform::MonitorProfileAt(position);
    if (!monitor.converter) return PickSurface::colourAt(pixels, got, position, size);
    // The means of the monitor's device values, converted unrounded.
    const QPoint at = position - got.topLeft();
    const auto sums = platform::SumSquare(ViewOf(pixels), at.x(), at.y(), size);
    if (!sums) return std::nullopt;
    const double n = static_cast<double>(sums->count) * 255.0;
    const double device[3] = {static_cast<double>(sums->red) / n, static_cast<double>(sums->green) / n,
                              static_cast<double>(sums->blue) / n};
    return monitor.converter->Convert(device);
}

platform::ProfileUse ScreenSurface::profileUse(QPoint position) const
{
    return platform::MonitorProfileAt(position).use;
}

ImageSurface::ImageSurface(QImage image)
    : colours_(image),
      image_(image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
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

std::optional<RGBCode> ImageSurface::colourAt(const QImage&, const QRect&, QPoint position, int size) const
{
    return colours_.Sample(position.x(), position.y(), size);
}

platform::ProfileUse ImageSurface::profileUse(QPoint) const
{
    return {colours_.ProfileName(), colours_.ProfileProblem()};
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
        colour_ = surface_->colourAt(pixels_, got_, position_, average_);
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
