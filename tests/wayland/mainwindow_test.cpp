// The main window on a real Wayland compositor (a private headless Weston,
// started by tests/wayland/run): there the program can neither keep a window
// on top nor place it, so the "always on top" item is disabled and says
// why, and a stored position is neither applied nor overwritten while the
// stored size is applied.
#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QTest>
#include <QWidget>

#include "application.h"
#include "fixture.h"
#include "mainwindow/mainwindow.h"
#include "widgets/files.h"
#include "windows.h"

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

// The stored size is applied, the stored position is neither applied nor
// overwritten.
TEST_F(OnWayland, MainWindowTakesItsStoredSizeButNotItsPosition)
{
    Start();  // a first run reads no bounds
    Stop();
    StoreSetting("Left", "300");
    StoreSetting("Top", "200");
    StoreSetting("Width", "700");
    StoreSetting("Height", "600");
    Start();
    EXPECT_NE(Main()->pos(), QPoint(300, 200));
    Main()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Main()));
    EXPECT_EQ(Main()->size(), QSize(700, 600));
    Main()->resize(720, 610);
    QTest::qWait(50);
    Stop();
    EXPECT_EQ(StoredSetting("Left").toStdString(), "300");
    EXPECT_EQ(StoredSetting("Top").toStdString(), "200");
    EXPECT_EQ(StoredSetting("Width").toStdString(), "720");
    EXPECT_EQ(StoredSetting("Height").toStdString(), "610");
}

}  // namespace

int main(int argc, char** argv)
{
    app::QolvarApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
