// The main window on a real Wayland compositor (a private headless Weston,
// started by tests/wayland/run): there the program can neither keep a window
// on top nor place it, so the "always on top" item is disabled and says
// why, and a stored position is neither applied nor overwritten while a
// stored size is applied.
#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <string>

#include "application.h"
#include "fixture.h"
#include "mainwindow.h"
#include "platform/settings.h"

using namespace qolvar;

namespace {

class OnWayland : public test::WidgetTest {
protected:
    void SetUp() override
    {
        // Not a skip: this test exists to run on Wayland.
        ASSERT_TRUE(QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            << "platform " << QGuiApplication::platformName().toStdString();
        WidgetTest::SetUp();
    }
    app::TformMain* Main() { return windows->formMain.get(); }
};

TEST_F(OnWayland, AlwaysOnTopIsDisabledAndSaysWhy)
{
    Start();
    Main()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Main()));
    auto* front = test::Child<QAction>(Main(), "Front1");
    ASSERT_NE(front, nullptr);
    EXPECT_FALSE(front->isEnabled());
    EXPECT_TRUE(front->toolTip().contains(QLatin1String("Wayland"))) << front->toolTip().toStdString();
    front->trigger();  // a disabled action does nothing
    EXPECT_FALSE(Main()->windowFlags() & Qt::WindowStaysOnTopHint);
}

// The main window has a fixed size; its stored position is not applied and
// survives the run.
TEST_F(OnWayland, MainWindowLeavesItsStoredPositionAlone)
{
    Start();  // a first run reads no bounds
    Stop();
    StoreSetting("Left", "300");
    StoreSetting("Top", "200");
    Start();
    EXPECT_NE(Main()->pos(), QPoint(300, 200));
    Main()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Main()));
    const QSize size = Main()->size();
    Stop();
    EXPECT_EQ(StoredSetting("Left").toStdString(), "300");
    EXPECT_EQ(StoredSetting("Top").toStdString(), "200");
    EXPECT_EQ(StoredSetting("Width").toStdString(), std::to_string(size.width()));
    EXPECT_EQ(StoredSetting("Height").toStdString(), std::to_string(size.height()));
}

// A window of free size: the stored size is applied and kept on the
// screen, the stored position is neither applied nor overwritten.
TEST_F(OnWayland, StoredSizeIsAppliedButNotThePosition)
{
    {
        platform::RegIniFile reg(app::kRegistryRoot);
        reg.WriteInteger("formProbe", "Left", 300);
        reg.WriteInteger("formProbe", "Top", 200);
        reg.WriteInteger("formProbe", "Width", 400);
        reg.WriteInteger("formProbe", "Height", 300);
    }
    QWidget probe;
    probe.setObjectName("formProbe");
    probe.setGeometry(40, 50, 200, 100);
    platform::RestoreFormBounds(&probe, app::kRegistryRoot);
    EXPECT_EQ(probe.size(), QSize(400, 300));
    EXPECT_EQ(probe.pos(), QPoint(40, 50));
    probe.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&probe));
    EXPECT_EQ(probe.size(), QSize(400, 300));
    probe.resize(420, 310);
    platform::StoreFormBounds(&probe, app::kRegistryRoot);
    platform::RegIniFile reg(app::kRegistryRoot);
    EXPECT_EQ(reg.ReadInteger("formProbe", "Width", 0), 420);
    EXPECT_EQ(reg.ReadInteger("formProbe", "Height", 0), 310);
    EXPECT_EQ(reg.ReadInteger("formProbe", "Left", 0), 300);
    EXPECT_EQ(reg.ReadInteger("formProbe", "Top", 0), 200);
}

}  // namespace

int main(int argc, char** argv)
{
    app::QolvarApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
