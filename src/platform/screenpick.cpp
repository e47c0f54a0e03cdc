#include "screenpick.h"

#include <QCoreApplication>
#include "dialogs.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QPixmap>
#include <QPointer>
#include <QRandomGenerator>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#if defined(QOLVAR_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#define QOLVAR_ASK_X_SERVER 1
#endif

namespace qolvar::platform {

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");

// Receives the portal's Response signal for one request and then deletes
// itself.
class PortalRequest : public QObject {
    Q_OBJECT
public:
    explicit PortalRequest(PickDone done) : done_(std::move(done)) {}

    void finish(PickResult result)
    {
        if (finished_) return;
        finished_ = true;
        QDBusConnection::sessionBus().disconnect(kPortalService, path_,
                                                 QStringLiteral("org.freedesktop.portal.Request"),
                                                 QStringLiteral("Response"), this, SLOT(response(uint, QVariantMap)));
        if (done_) done_(result);
        deleteLater();
    }
    QString path_;

public slots:
    void response(uint code, const QVariantMap& results)
    {
        // 0: success; 1: cancelled by the user; 2: other error.
        if (code == 1) {
            finish({PickStatus::Cancelled});
            return;
        }
        if (code != 0 || !results.contains(QStringLiteral("color"))) {
            finish({PickStatus::Failed});
            return;
        }
        // The colour must be three doubles; anything else (another type, a
        // value that is no number) is a failure, never a black pick.
        const QVariant value = results.value(QStringLiteral("color"));
        if (!value.canConvert<QDBusArgument>()) {
            finish({PickStatus::Failed});
            return;
        }
        const QDBusArgument arg = value.value<QDBusArgument>();
        if (arg.currentSignature() != QLatin1String("(ddd)")) {
            finish({PickStatus::Failed});
            return;
        }
        double r = 0, g = 0, b = 0;
        arg.beginStructure();
        arg >> r >> g >> b;
        arg.endStructure();
        if (!std::isfinite(r) || !std::isfinite(g) || !std::isfinite(b)) {
            finish({PickStatus::Failed});
            return;
        }
        auto byte = [](double v) { return static_cast<TColor>(std::clamp(std::lround(v * 255.0), 0L, 255L)); };
        finish({PickStatus::Picked, byte(r) | byte(g) << 8 | byte(b) << 16});
    }

private:
    PickDone done_;
    bool finished_ = false;
};

// Positions the toolkit divided by the scale factor come back from the
// multiplication a hair short (7 × (1 / 1.5) × 1.5 is 6.999…): this much
// is taken for a whole device pixel.
constexpr qreal kSlack = 1e-6;

// The screen at a logical position; off every screen (a position the
// toolkit rounded up from a screen's last device pixel lies just past its
// edge) the nearest.
QScreen* ScreenAtLogical(QPointF pos)
{
    const QPoint at(static_cast<int>(std::floor(pos.x())), static_cast<int>(std::floor(pos.y())));
    if (QScreen* screen = QGuiApplication::screenAt(at)) return screen;
    QScreen* nearest = QGuiApplication::primaryScreen();
    qint64 best = -1;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect g = screen->geometry();
        const qint64 dx = std::max({g.left() - at.x(), 0, at.x() - g.right()});
        const qint64 dy = std::max({g.top() - at.y(), 0, at.y() - g.bottom()});
        if (best < 0 || dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            nearest = screen;
        }
    }
    return nearest;
}

// A screen's rectangle in device pixels. The toolkit gives the size only in
// logical pixels, rounded (640 device pixels at 1.5 are 427 logical, as
// 641 would be); a grab from the last logical pixel to the screen's edge,
// which the toolkit gives whole, tells the rest. It is asked for at every
// move of the pointer: the last answer is kept while the screen's logical
// geometry and factor stay.
QRect DeviceGeometry(QScreen* screen)
{
    const QRect g = screen->geometry();
    const qreal ratio = screen->devicePixelRatio();
    if (qFuzzyCompare(ratio, 1)) return g;
    struct Known {
        QScreen* screen = nullptr;
        QRect logical;
        qreal ratio = 0;
        QRect device;
    };
    static Known known;
    if (known.screen == screen && known.logical == g && known.ratio == ratio) return known.device;
    const QPoint last(g.width() - 1, g.height() - 1);
    const QPixmap corner = screen->grabWindow(0, last.x(), last.y(), -1, -1);
    if (corner.isNull())
        return QRect(g.topLeft(), QSize(static_cast<int>(g.width() * ratio), static_cast<int>(g.height() * ratio)));
    const QPoint begin = last * ratio;
    known = {screen, g, ratio, QRect(g.topLeft(), QSize(begin.x() + corner.width(), begin.y() + corner.height()))};
    return known.device;
}

class DesktopReader : public ScreenReader {
public:
    bool canReadPixels() const override
    {
        // Wayland forbids reading the screen; the offscreen and minimal
        // platforms have no real screen to read.
        const QString p = QGuiApplication::platformName();
        return p == QLatin1String("xcb") || p == QLatin1String("windows") || p == QLatin1String("cocoa");
    }

    std::optional<TColor> readPixel(QPoint devicePixel) override
    {
        QRect got;
        const QImage image = grabArea(QRect(devicePixel, QSize(1, 1)), &got);
        if (image.isNull() || got.isEmpty()) return std::nullopt;
        const QColor c = image.pixelColor(0, 0);
        return static_cast<TColor>(c.red()) | static_cast<TColor>(c.green()) << 8 | static_cast<TColor>(c.blue()) << 16;
    }

    QImage grabArea(const QRect& rect, QRect* got) override
    {
        if (got) *got = QRect();
        if (!canReadPixels() || rect.isEmpty()) return {};
        QScreen* screen = ScreenOfDevicePixel(rect.center());
        if (!screen) return {};
        const QRect device = DeviceGeometry(screen);
        const QRect area = rect & device;
        if (area.isEmpty()) return {};
        // The toolkit grabs logical pixels: from the logical position times
        // the scale factor, rounded to the nearest device pixel, as many
        // device pixels as the logical size comes to. Asked for the logical
        // pixels that cover the area, it gives a few device pixels more; the
        // area is cut out of them, so no device pixel is lost or doubled.
        const qreal ratio = screen->devicePixelRatio();
        const QPoint local = area.topLeft() - device.topLeft();
        const QPoint from(static_cast<int>(std::floor(local.x() / ratio)),
                          static_cast<int>(std::floor(local.y() / ratio)));
        const QPoint begin = from * ratio;  // QPoint * qreal rounds as the toolkit's grab does
        const QPoint end = local + QPoint(area.width(), area.height());
        const QSize size(static_cast<int>(std::ceil((end.x() - begin.x()) / ratio)),
                         static_cast<int>(std::ceil((end.y() - begin.y()) / ratio)));
        QImage image = screen->grabWindow(0, from.x(), from.y(), size.width(), size.height()).toImage();
        const QRect part(local - begin, area.size());
        if (image.isNull() || !image.rect().contains(part)) return {};
        image = image.copy(part).convertToFormat(QImage::Format_RGB32);
        image.setDevicePixelRatio(1);
        if (got) *got = area;
        return image;
    }

    bool pickWithPortal(QWidget* parent, PickDone done) override
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) return false;
        // The request's object path is known in advance from our token, so
        // the Response signal is subscribed to before the call is made.
        const QString token = QStringLiteral("qolvar%1").arg(QRandomGenerator::global()->generate());
        QString sender = bus.baseService().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        auto* request = new PortalRequest(std::move(done));
        request->path_ = kPortalPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
        bus.connect(kPortalService, request->path_, QStringLiteral("org.freedesktop.portal.Request"),
                    QStringLiteral("Response"), request, SLOT(response(uint, QVariantMap)));
        QDBusMessage call = QDBusMessage::createMethodCall(kPortalService, kPortalPath,
                                                           QStringLiteral("org.freedesktop.portal.Screenshot"),
                                                           QStringLiteral("PickColor"));
        QString parentWindow;
        if (parent && QGuiApplication::platformName() == QLatin1String("xcb"))
            parentWindow = QStringLiteral("x11:%1").arg(parent->window()->winId(), 0, 16);
        call << parentWindow << QVariantMap{{QStringLiteral("handle_token"), token}};
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), request);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, request, [request](QDBusPendingCallWatcher* w) {
            QDBusPendingReply<QDBusObjectPath> reply = *w;
            if (reply.isError()) request->finish({PickStatus::Failed});  // no portal on this desktop
            w->deleteLater();
        });
        return true;
    }
};

DesktopReader& Desktop()
{
    static DesktopReader reader;
    return reader;
}

ScreenReader* current = nullptr;

}  // namespace

QScreen* ScreenOfDevicePixel(QPoint pixel)
{
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect g = screen->geometry();
        const QSize size = (QSizeF(g.size()) * screen->devicePixelRatio()).toSize();
        if (QRect(g.topLeft(), size).contains(pixel)) return screen;
    }
    return QGuiApplication::primaryScreen();
}

QPoint DevicePixelAt(QPointF logicalPos, QPoint origin, qreal ratio)
{
    auto axis = [ratio](qreal pos, int o) { return o + static_cast<int>(std::floor((pos - o) * ratio + kSlack)); };
    return {axis(logicalPos.x(), origin.x()), axis(logicalPos.y(), origin.y())};
}

QPoint LogicalPosOf(QPoint devicePixel, QPoint origin, qreal ratio)
{
    // Rounded to the nearest, as the toolkit rounds a logical position it
    // puts the pointer at: the pointer lands on this device pixel where any
    // logical position lands on it.
    return origin + (QPointF(devicePixel - origin) / ratio).toPoint();
}

QPoint DevicePixelAt(QPointF logicalPos)
{
    QScreen* screen = ScreenAtLogical(logicalPos);
    if (!screen) return DevicePixelAt(logicalPos, {}, 1);
    const QPoint pixel = DevicePixelAt(logicalPos, screen->geometry().topLeft(), screen->devicePixelRatio());
    // The pointer is on the screen: a position past its edge was rounded
    // up from its last pixels.
    const QRect device = DeviceGeometry(screen);
    if (device.isEmpty()) return pixel;
    return {std::clamp(pixel.x(), device.left(), device.right()), std::clamp(pixel.y(), device.top(), device.bottom())};
}

QPoint LogicalPosOf(QPoint devicePixel)
{
    QScreen* screen = ScreenOfDevicePixel(devicePixel);
    if (!screen) return devicePixel;
    return LogicalPosOf(devicePixel, screen->geometry().topLeft(), screen->devicePixelRatio());
}

std::optional<QPoint> PointerDevicePixel(WId window)
{
#ifdef QOLVAR_ASK_X_SERVER
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || !window) return std::nullopt;
    xcb_query_pointer_reply_t* reply =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, static_cast<xcb_window_t>(window)), nullptr);
    if (!reply) return std::nullopt;
    // root_x, root_y: the X server's own pixels, which are device pixels.
    const bool onThisScreen = reply->same_screen;
    const QPoint pixel(reply->root_x, reply->root_y);
    std::free(reply);
    if (onThisScreen) return pixel;
#else
    (void)window;
#endif
    return std::nullopt;
}

ScreenReader& screenReader() { return current ? *current : Desktop(); }
void SetScreenReader(ScreenReader* reader) { current = reader; }

QString ScreenUnreadableReason()
{
    const QString p = QGuiApplication::platformName();
    if (screenReader().canReadPixels()) return {};
    if (p.startsWith(QLatin1String("wayland")))
        return QCoreApplication::translate("qolvar::platform", "Wayland ではプログラムが画面を直接読み取れません");
    return QCoreApplication::translate("qolvar::platform", "この表示環境（%1）には読み取れる画面がありません").arg(p);
}

QString ScreenPathName()
{
    return QGuiApplication::platformName() == QLatin1String("xcb")
               ? QCoreApplication::translate("qolvar::platform", "画面（X11）")
               : QCoreApplication::translate("qolvar::platform", "画面");
}

void PickScreenColour(QWidget* parent, QPointF globalPos, std::function<void(TColor, PickPath)> take,
                      std::function<void(const QString& why)> failed)
{
    PickScreenColour(
        parent, globalPos, [take](TColor colour, PickPath path, const ProfileUse&) { take(colour, path); },
        std::move(failed));
}

void PickScreenColour(QWidget* parent, QPointF globalPos, std::function<void(TColor, PickPath, const ProfileUse&)> take,
                      std::function<void(const QString& why)> failed)
{
    ScreenReader& reader = screenReader();
    QString screenWhy = ScreenUnreadableReason();
    if (reader.canReadPixels()) {
        const QPoint at = DevicePixelAt(globalPos);
        if (const auto pixel = reader.readPixel(at)) {
            // The monitor's device value, as the monitor's profile turns it
            // into sRGB.
            RefreshMonitorProfiles();
            const MonitorProfile monitor = MonitorProfileAt(at);
            take(monitor.converter ? CodeToColor(monitor.converter->Convert(ColorToCode(*pixel))) : *pixel,
                 PickPath::Screen, monitor.use);
            return;
        }
        screenWhy = QCoreApplication::translate("qolvar::platform", "画面の読み取りに失敗しました");
    }
    QPointer<QWidget> owner(parent);
    const bool hadOwner = parent != nullptr;
    auto fail = [owner, hadOwner, failed](const QString& why) {
        if (failed)
            failed(why);
        else if (owner || !hadOwner)
            Warning(owner, QCoreApplication::translate("qolvar::platform", kPickFailedMessage));
    };
    // Where the screen cannot be read (Wayland), the desktop's own picker
    // lets the user pick; its answer comes later.
    const bool asked = reader.pickWithPortal(parent, [owner, hadOwner, take, fail, screenWhy](PickResult result) {
        if (hadOwner && !owner) return;
        if (result.status == PickStatus::Picked)
            take(result.colour, PickPath::Portal, ProfileUse{});
        else if (result.status == PickStatus::Failed)
            fail(screenWhy + QCoreApplication::translate("qolvar::platform",
                                                         "。デスクトップのポータルも色の取得に応えませんでした"));
    });
    if (!asked)
        fail(screenWhy +
             QCoreApplication::translate("qolvar::platform",
                                         "。セッションバスがないため、デスクトップのポータルに問い合わせられません"));
}

}  // namespace qolvar::platform

#include "screenpick.moc"
