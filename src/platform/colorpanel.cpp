#include "colorpanel.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace qolvar::platform {

QColor ToQColor(TColor c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

TColor FromQColor(const QColor& c)
{
    return static_cast<TColor>(c.red()) | static_cast<TColor>(c.green()) << 8 | static_cast<TColor>(c.blue()) << 16;
}

ColorPanel::ColorPanel(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void ColorPanel::setColor(TColor color)
{
    color = color & 0xFFFFFF;
    if (color == color_) return;
    color_ = color;
    update();
}

TColor ColorPanel::shownColor() const { return transform_ ? transform_(color_) & 0xFFFFFF : color_; }

void ColorPanel::setDisplayTransform(DisplayTransform transform)
{
    transform_ = std::move(transform);
    update();
}

void ColorPanel::paintEvent(QPaintEvent* event)
{
    {
        QPainter p(this);
        const QColor c = ToQColor(shownColor());
        p.fillRect(contentsRect(), c);
        if (hasFocus()) {
            // The focus shows as a dashed frame in the colour's contrast.
            p.setPen(QPen(qGray(c.rgb()) < 128 ? Qt::white : Qt::black, 1, Qt::DashLine));
            p.drawRect(contentsRect().adjusted(1, 1, -2, -2));
        }
    }
    QFrame::paintEvent(event);
}

void ColorPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QFrame::mouseReleaseEvent(event);
}

void ColorPanel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat()) emit clicked();
        event->accept();
        return;
    default: QFrame::keyPressEvent(event);
    }
}

void ColorPanel::connectNotify(const QMetaMethod& signal)
{
    // Only a swatch that does something is a control the keyboard reaches.
    if (signal == QMetaMethod::fromSignal(&ColorPanel::clicked)) setFocusPolicy(Qt::StrongFocus);
    QFrame::connectNotify(signal);
}

}  // namespace qolvar::platform
