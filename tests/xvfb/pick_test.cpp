// Under a real X server (Xvfb): the eyedropper reads the pixel of another
// window under the pointer. Run with xvfb-run; skipped without an X display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "colour/codes.h"
#include "platform/screenpick.h"

namespace {

// Another program's window, painted in one colour.
class Swatch : public QWidget {
public:
    explicit Swatch(QColor c) : colour_(c) { setWindowFlag(Qt::FramelessWindowHint); }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour_); }

private:
    QColor colour_;
};

TEST(XPick, ReadsThePixelOfAnotherWindow)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
    Swatch window(QColor(0x33, 0x66, 0x99));
    window.setGeometry(100, 120, 200, 150);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(200);
    auto& reader = qolvar::platform::screenReader();
    ASSERT_TRUE(reader.canReadPixels());
    const QPoint inside = window.mapToGlobal(QPoint(50, 40));
    const auto pixel = reader.readPixel(inside);
    ASSERT_TRUE(pixel);
    EXPECT_EQ(qolvar::ColorToCode(*pixel), 0x336699u);
    // Outside the window: the root window's black.
    const auto outside = reader.readPixel(QPoint(5, 5));
    ASSERT_TRUE(outside);
    EXPECT_NE(qolvar::ColorToCode(*outside), 0x336699u);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
