#include "picking/pickmode.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>

#include "widgets/accessible.h"
#include "widgets/winhelpers.h"

namespace qolvar::app {

PickSession::PickSession(std::unique_ptr<PickSurface> surface, int average, int zoom, QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint),
      surface_(std::move(surface))
{
    setObjectName(QStringLiteral("formPickMode"));
    setWindowTitle(tr("Qolvar - 色を取る"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    magnifier_ = Named(new Magnifier(surface_.get(), this), "magnifierPick");
    magnifier_->setMouseTracking(true);
    magnifier_->setAttribute(Qt::WA_TransparentForMouseEvents);
    magnifier_->setAverage(average);
    magnifier_->setZoom(zoom);
    layout->addWidget(magnifier_);
    // What a screen reader says of the window and its magnifier.
    Describe(this, QT_TRANSLATE_NOOP("Accessible", "画面から色を取る"),
             QT_TRANSLATE_NOOP("Accessible", "矢印キーでポインタを動かし、Enter で色を取る。Esc でやめる"));
    Describe(magnifier_, QT_TRANSLATE_NOOP("Accessible", "拡大鏡"),
             QT_TRANSLATE_NOOP("Accessible", "ポインタの下の画面の拡大"));
    setStyleSheet(QStringLiteral("qolvar--app--PickSession { border: 1px solid black; }"));
    // The screen under a resting pointer may change: grab it again now and
    // then.
    refresh_.setInterval(100);
    connect(&refresh_, &QTimer::timeout, this, [this] { magnifier_->refresh(); });
    grab_.setInterval(20);
    connect(&grab_, &QTimer::timeout, this, [this] { retryGrab(); });
}

PickSession::~PickSession()
{
    // A window destroyed before the pick ended (its owner closed) cancels.
    if (!done_) {
        done_ = true;
        emit cancelled();
    }
}

void PickSession::start(QPoint globalPos)
{
    adjustSize();
    QPoint start = platform::DevicePixelAt(QPointF(globalPos));
    // Started at the pointer, the pick starts on the pointer's own device
    // pixel where the desktop tells it: the logical position is rounded, and
    // under a factor of 2 it names the odd device pixels' right neighbours.
    if (const auto pointer = platform::PointerDevicePixel(winId());
        pointer && platform::LogicalPosOf(*pointer) == globalPos)
        start = *pointer;
    moveTo(start, false);
    show();
    raise();
    activateWindow();
    setFocus();
    grabMouse(QCursor(Qt::CrossCursor));
    grabKeyboard();
    // The desktop grants the grabs only once the window is on the screen,
    // which may be a moment after show(): ask again until it does.
    grabTries_ = 0;
    grab_.start();
    refresh_.start();
}

void PickSession::retryGrab()
{
    QWindow* w = windowHandle();
    const bool held = w && w->setMouseGrabEnabled(true) && w->setKeyboardGrabEnabled(true);
    if (held || ++grabTries_ >= 50) grab_.stop();
}

void PickSession::moveTo(QPoint devicePixel, bool warp)
{
    magnifier_->setPosition(devicePixel);
    if (warp) {
        const QPoint to = platform::LogicalPosOf(devicePixel);
        if (warps_.size() >= 16) warps_.erase(warps_.begin());
        warps_.push_back(to);
        parked_ = to;
        QCursor::setPos(to);
    }
    place();
}

void PickSession::place()
{
    // Beside the pointer, below right, or on the other side where the
    // screen ends there; never over the square being magnified.
    const QPoint p = platform::LogicalPosOf(magnifier_->position());
    const int gap = magnifier_->cells() / 2 + 16;
    QRect area(0, 0, 1 << 20, 1 << 20);
    if (QScreen* s = QGuiApplication::screenAt(p)) area = s->geometry();
    int x = p.x() + gap, y = p.y() + gap;
    if (x + width() > area.right() + 1) x = p.x() - gap - width();
    if (y + height() > area.bottom() + 1) y = p.y() - gap - height();
    // Where it fits neither below nor above, it stays on the screen beside
    // the pointer (x keeps it off the square).
    if (y < area.top()) y = std::max(area.top(), std::min(p.y() - height() / 2, area.bottom() + 1 - height()));
    if (x < area.left()) x = area.left();
    move(x, y);
}

void PickSession::take()
{
    if (done_) return;
    const auto colour = magnifier_->colour();
    if (!colour) return;  // nothing to take here; the pick goes on
    done_ = true;
    finish();
    emit taken(*colour);
}

void PickSession::cancel()
{
    if (done_) return;
    done_ = true;
    finish();
    emit cancelled();
}

void PickSession::finish()
{
    refresh_.stop();
    grab_.stop();
    releaseKeyboard();
    releaseMouse();
    hide();
    deleteLater();
}

void PickSession::mouseMoveEvent(QMouseEvent* event)
{
    if (done_) return;
    const QPointF at = event->globalPosition();
    const auto warp = std::find(warps_.begin(), warps_.end(), at.toPoint());
    if (warp != warps_.end()) {
        warps_.erase(warps_.begin(), warp + 1);
        return;
    }
    warps_.clear();
    parked_.reset();
    moveTo(platform::DevicePixelAt(at), false);
}

void PickSession::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        // A click where the keys left the pointer takes the device pixel
        // they chose.
        const QPointF at = event->globalPosition();
        if (!parked_ || at.toPoint() != *parked_) magnifier_->setPosition(platform::DevicePixelAt(at));
        take();
    } else if (event->button() == Qt::RightButton) {
        cancel();
    }
}

void PickSession::mouseReleaseEvent(QMouseEvent*) {}

void PickSession::wheelEvent(QWheelEvent* event)
{
    const int dy = event->angleDelta().y();
    if (dy > 0) magnifier_->setZoom(ZoomIn(magnifier_->zoom()));
    if (dy < 0) magnifier_->setZoom(ZoomOut(magnifier_->zoom()));
    place();
}

void PickSession::keyPressEvent(QKeyEvent* event)
{
    const PickKey key = PickKeyOf(event);
    switch (key.kind) {
    case PickKey::Move: moveTo(magnifier_->position() + key.step, true); break;
    case PickKey::ZoomIn:
        magnifier_->setZoom(ZoomIn(magnifier_->zoom()));
        place();
        break;
    case PickKey::ZoomOut:
        magnifier_->setZoom(ZoomOut(magnifier_->zoom()));
        place();
        break;
    case PickKey::Take: take(); break;
    case PickKey::Cancel: cancel(); break;
    case PickKey::None: QWidget::keyPressEvent(event); break;
    }
}

void PickSession::closeEvent(QCloseEvent* event)
{
    cancel();
    event->accept();
}

}  // namespace qolvar::app
