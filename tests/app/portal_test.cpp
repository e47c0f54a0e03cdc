// The colour pick through the desktop portal, against a fake portal on a
// private session bus (the tests run under dbus-run-session; without a
// session bus they are skipped), and the direct screen read under a real X
// server (run under Xvfb; skipped elsewhere).
#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QGuiApplication>
#include <QTest>
#include <limits>

#include "fixture.h"
#include "mainwindow/mainwindow.h"
#include "platform/screenpick.h"

using namespace qolvar;

namespace {

// Answers PickColor the way the desktop's portal does: it returns a request
// object path at once and later emits Response on that path.
class FakePortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    explicit FakePortal(QDBusConnection bus) : bus_(bus) {}
    uint response = 0;
    double r = 0.2, g = 0.4, b = 0.6;
    QString lastParent;
    int calls = 0;

public slots:
    QDBusObjectPath PickColor(const QString& parent, const QVariantMap& options, const QDBusMessage& message)
    {
        ++calls;
        lastParent = parent;
        QString sender = message.service().mid(1);
        sender.replace('.', '_');
        const QString path =
            "/org/freedesktop/portal/desktop/request/" + sender + "/" + options.value("handle_token").toString();
        QTimer::singleShot(10, this, [this, path] {
            QDBusMessage signal = QDBusMessage::createSignal(path, "org.freedesktop.portal.Request", "Response");
            QVariantMap results;
            if (response == 0) {
                QDBusArgument colour;
                colour.beginStructure();
                colour << r << g << b;
                colour.endStructure();
                results.insert("color", QVariant::fromValue(colour));
            }
            signal << response << results;
            bus_.send(signal);
        });
        return QDBusObjectPath(path);
    }

private:
    QDBusConnection bus_;
};

class Portal : public test::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        if (!QDBusConnection::sessionBus().isConnected()) GTEST_SKIP() << "no session bus";
        fakeBus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-portal")));
        ASSERT_TRUE(fakeBus->isConnected());
        portal = std::make_unique<FakePortal>(*fakeBus);
        ASSERT_TRUE(fakeBus->registerService("org.freedesktop.portal.Desktop"));
        ASSERT_TRUE(
            fakeBus->registerObject("/org/freedesktop/portal/desktop", portal.get(), QDBusConnection::ExportAllSlots));
    }
    void TearDown() override
    {
        if (fakeBus) {
            fakeBus->unregisterObject("/org/freedesktop/portal/desktop");
            fakeBus->unregisterService("org.freedesktop.portal.Desktop");
            QDBusConnection::disconnectFromBus(QStringLiteral("fake-portal"));
        }
        WidgetTest::TearDown();
    }
    // Runs a portal pick and waits for its answer.
    std::optional<platform::PickResult> PickThroughPortal()
    {
        std::optional<platform::PickResult> result;
        const bool asked =
            platform::screenReader().pickWithPortal(nullptr, [&](platform::PickResult r) { result = r; });
        EXPECT_TRUE(asked);
        static_cast<void>(QTest::qWaitFor([&] { return result.has_value(); }, 5000));
        return result;
    }
    std::unique_ptr<QDBusConnection> fakeBus;
    std::unique_ptr<FakePortal> portal;
};

TEST_F(Portal, APickedColourComesBack)
{
    portal->r = 1.0;
    portal->g = 128 / 255.0;
    portal->b = 0.0;
    const auto result = PickThroughPortal();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, platform::PickStatus::Picked);
    EXPECT_EQ(ColorToCode(result->colour), 0xFF8000u);
    EXPECT_EQ(portal->calls, 1);
}

TEST_F(Portal, CancelAndErrorAreToldApart)
{
    portal->response = 1;
    auto result = PickThroughPortal();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, platform::PickStatus::Cancelled);
    portal->response = 2;
    result = PickThroughPortal();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, platform::PickStatus::Failed);
}

TEST_F(Portal, AColourThatIsNoNumberIsAFailureNotBlack)
{
    portal->g = std::numeric_limits<double>::quiet_NaN();
    const auto result = PickThroughPortal();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, platform::PickStatus::Failed);
}

TEST_F(Portal, NoPortalOnTheBusIsAFailure)
{
    fakeBus->unregisterService("org.freedesktop.portal.Desktop");
    const auto result = PickThroughPortal();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, platform::PickStatus::Failed);
}

TEST_F(Portal, ThePickerButtonUsesThePortalWhereTheScreenIsUnreadable)
{
    // The offscreen platform, like Wayland, cannot read the screen.
    ASSERT_FALSE(platform::screenReader().canReadPixels());
    Start();
    auto* w = windows->formMain.get();
    w->show();
    dialogs.messages.clear();
    QTest::mousePress(test::Child<QToolButton>(w, "ToolButton6"), Qt::LeftButton);
    QTest::mouseRelease(test::Child<QToolButton>(w, "ToolButton6"), Qt::LeftButton);
    static_cast<void>(QTest::qWaitFor([&] { return w->CurRGB() != 0; }, 5000));
    EXPECT_EQ(w->CurRGB(), 0x336699u);
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace

#include "portal_test.moc"
