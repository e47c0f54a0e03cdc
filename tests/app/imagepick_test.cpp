// Picking a colour from an image file in the viewer window.
#include <QColorSpace>
#include <QTest>

#include "fixture.h"
#include "mainwindow/mainwindow.h"
#include "picking/imagepick.h"

using namespace qolvar;

namespace {

class ImagePick : public test::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        Start();
        w = windows->formMain.get();
        w->show();
        // R = 5x, G = 8y, B = 255 where x + y is odd (a dither).
        QImage image(40, 30, QImage::Format_RGB32);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) image.setPixel(x, y, qRgb(5 * x, 8 * y, (x + y) % 2 ? 255 : 0));
        path = dir.filePath("shot.png");
        ASSERT_TRUE(image.save(path));
    }
    app::ImagePickWindow* Open(int average)
    {
        test::Child<QAction>(w, QStringLiteral("actPickAverage%1").arg(average).toLatin1().constData())->trigger();
        dialogs.openPaths = {path};
        test::Child<QAction>(w, "actPickImage")->trigger();
        return w->findChild<app::ImagePickWindow*>("formImagePick");
    }
    QString Status() const { return test::Child<QStatusBar>(w, "StatusBarMain")->currentMessage(); }

    app::TformMain* w = nullptr;
    QString path;
};

TEST_F(ImagePick, TheViewerTakesThePixelOrTheSquareChosen)
{
    // The viewer opens on the image's centre, (20, 15).
    struct Case {
        const char* what;
        int average;
        std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
        std::optional<QPoint> click;   // a left click there instead of keys
        std::optional<RGBCode> taken;  // nullopt: cancelled
    };
    const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier;
    const Case cases[] = {
        {"the centre pixel", 1, {{Qt::Key_Return, none}}, {}, 0x6478FF},
        {"nudged left by one", 1, {{Qt::Key_Left, none}, {Qt::Key_Return, none}}, {}, 0x5F7800},
        {"nudged up by ten", 1, {{Qt::Key_Up, shift}, {Qt::Key_Return, none}}, {}, 0x6428FF},
        {"3x3 average", 3, {{Qt::Key_Return, none}}, {}, 0x64788E},
        {"5x5 average", 5, {{Qt::Key_Return, none}}, {}, 0x647885},
        {"3x3 cut by the bottom right corner",
         3,
         {{Qt::Key_Right, shift},
          {Qt::Key_Right, shift},
          {Qt::Key_Down, shift},
          {Qt::Key_Down, shift},
          {Qt::Key_Return, none}},
         {},
         0xC0E480},
        {"a left click", 1, {}, QPoint(7, 3), 0x231800},
        {"Esc cancels", 3, {{Qt::Key_Right, none}, {Qt::Key_Escape, none}}, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        w->SetCurRGB(0x123456);
        app::ImagePickWindow* viewer = Open(c.average);
        ASSERT_NE(viewer, nullptr) << c.what;
        QWidget* view = test::Child<QWidget>(viewer, "imageView");
        for (const auto& [key, mods] : c.keys) QTest::keyClick(view, key, mods);
        if (c.click) QTest::mouseClick(view, Qt::LeftButton, {}, *c.click);
        EXPECT_EQ(w->CurRGB(), c.taken.value_or(0x123456)) << c.what;
        if (c.taken) {
            EXPECT_TRUE(Status().startsWith("画像から色を取りました: #" + app::HexText(*c.taken))) << c.what;
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(w->findChild<app::ImagePickWindow*>("formImagePick"), nullptr) << c.what << ": the viewer closes";
    }
    EXPECT_TRUE(windows->formLogViewer->LogText().isEmpty()) << "a pick writes no log line";
}

// An image with an embedded profile is picked through it, the square's
// device values averaged before the conversion. The expected codes are
// LittleCMS 2.14's transicc, relative colorimetric, from the Adobe RGB
// profile Qt embeds (QColorSpace(QColorSpace::AdobeRgb).iccProfile() saved
// as adobe.icc) to its built-in sRGB, rounded:
//   echo "200 30 60" | transicc -t1 -i adobe.icc -o '*sRGB' -n
//     233.1382 23.8116 58.4254
//   echo "151.1111 87.7778 68.8889" | transicc -t1 -i adobe.icc -o '*sRGB' -n
//     170.4359 87.2197 66.0477   (the 3×3 mean: five A, four B)
TEST_F(ImagePick, AnEmbeddedProfileConvertsThePixelsToSRGB)
{
    // A = (200, 30, 60) where x + y is even, B = (90, 160, 80) elsewhere;
    // the viewer opens on (4, 4), an A.
    QImage image(9, 9, QImage::Format_RGB32);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) image.setPixel(x, y, (x + y) % 2 ? qRgb(90, 160, 80) : qRgb(200, 30, 60));
    image.setColorSpace(QColorSpace(QColorSpace::AdobeRgb));
    path = dir.filePath("adobe.png");
    ASSERT_TRUE(image.save(path));
    const struct {
        int average;
        RGBCode taken;
    } cases[] = {{1, 0xE9183A}, {3, 0xAA5742}};
    for (const auto& c : cases) {
        app::ImagePickWindow* viewer = Open(c.average);
        ASSERT_NE(viewer, nullptr);
        QTest::keyClick(test::Child<QWidget>(viewer, "imageView"), Qt::Key_Return);
        EXPECT_EQ(w->CurRGB(), c.taken) << c.average;
        EXPECT_TRUE(Status().contains(QColorSpace(QColorSpace::AdobeRgb).description())) << Status().toStdString();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(ImagePick, AFileThatIsNoImageIsReportedAndChangesNothing)
{
    w->SetCurRGB(0x123456);
    QFile bad(dir.filePath("bad.png"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("\x89PNG\r\n\x1a\n but the rest is not");
    bad.close();
    dialogs.openPaths = {bad.fileName()};
    test::Child<QAction>(w, "actPickImage")->trigger();
    EXPECT_EQ(w->findChild<app::ImagePickWindow*>("formImagePick"), nullptr);
    const QStringList texts = dialogs.TakeTexts();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts.first().contains("bad.png"));
    EXPECT_EQ(w->CurRGB(), 0x123456u);
}

TEST_F(ImagePick, TheAveragingSquareIsKeptInTheSettings)
{
    test::Child<QAction>(w, "actPickAverage5")->trigger();
    Stop();
    EXPECT_EQ(StoredSetting("PickAverage"), "5");
    StoreSetting("PickAverage", "4");  // no such square: one pixel
    Start();
    EXPECT_TRUE(test::Child<QAction>(windows->formMain.get(), "actPickAverage1")->isChecked());
}

}  // namespace
