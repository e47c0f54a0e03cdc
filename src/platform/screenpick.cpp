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

class DesktopReader : public ScreenReader {
public:
    bool canReadPixels() const override
    {
        // Wayland forbids reading the screen; the offscreen and minimal
        // platforms have no real screen to read.
        const QString p = QGuiApplication::platformName();
        return p == QLatin1String("xcb") || p == QLatin1String("windows") || p == QLatin1String("cocoa");
    }

    std::optional<TColor> readPixel(QPoint globalPos) override
    {
        if (!canReadPixels()) return std::nullopt;
        QScreen* screen = QGuiApplication::screenAt(globalPos);
        if (!screen) return std::nullopt;
        const QPoint local = globalPos - screen->geometry().topLeft();
        const QPixmap pixel = screen->grabWindow(0, local.x(), local.y(), 1, 1);
        if (pixel.isNull()) return std::nullopt;
        const QImage image = pixel.toImage();
        if (image.isNull() || image.width() < 1 || image.height() < 1) return std::nullopt;
        const QColor c = image.pixelColor(0, 0);
        return static_cast<TColor>(c.red()) | static_cast<TColor>(c.green()) << 8 | static_cast<TColor>(c.blue()) << 16;
    }

    QImage grabArea(const QRect& rect, QRect* got) override
    {
        if (got) *got = QRect();
        if (!canReadPixels() || rect.isEmpty()) return {};
        QScreen* screen = QGuiApplication::screenAt(rect.center());
        if (!screen) return {};
        const QRect area = rect & screen->geometry();
        if (area.isEmpty()) return {};
        const QPoint local = area.topLeft() - screen->geometry().topLeft();
        QImage image = screen->grabWindow(0, local.x(), local.y(), area.width(), area.height())
                           .toImage()
                           .convertToFormat(QImage::Format_RGB32);
        if (image.isNull()) return {};
        // A scaled screen gives device pixels; the picker works in the
        // screen's own (logical) pixels.
        if (image.size() != area.size())
            image = image.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
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

void PickScreenColour(QWidget* parent, QPoint globalPos, std::function<void(TColor, PickPath)> take,
                      std::function<void(const QString& why)> failed)
{
    ScreenReader& reader = screenReader();
    QString screenWhy = ScreenUnreadableReason();
    if (reader.canReadPixels()) {
        if (const auto pixel = reader.readPixel(globalPos)) {
            take(*pixel, PickPath::Screen);
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
            take(result.colour, PickPath::Portal);
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
