// Under a real X server (Xvfb): the eyedropper reads the pixel of another
// window under the pointer, and the colour dialog leaves the settings all Qt
// programs share alone (it writes them only there). Run with xvfb-run;
// skipped without an X display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QCursor>
#include <QFileInfo>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "colour/codes.h"
#include "platform/dialogs.h"
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

// The custom colours Qolvar clears at start are not written over those of
// the user's other Qt programs when a colour dialog closes; the dialog still
// returns its colour.
TEST(XColourDialog, LeavesTheSharedCustomColoursAlone)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    const QString shared = home.filePath(QStringLiteral("QtProject.conf"));
    QColorDialog::setCustomColor(0, QColor(Qt::white));
    QTimer::singleShot(300, [] {
        if (QWidget* box = QApplication::activeModalWidget()) QMetaObject::invokeMethod(box, "accept");
    });
    const auto chosen = qolvar::platform::dialogs().chooseColor(nullptr, QColor(0x33, 0x66, 0x99));
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->rgb() & 0xFFFFFFu, 0x336699u);
    EXPECT_FALSE(QFileInfo::exists(shared));
    // The toolkit's other settings are found where they were.
    EXPECT_EQ(QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("QtProject")).fileName(), shared);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
