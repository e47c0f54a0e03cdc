// The eyedropper and the help files.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include "fixture.h"
#include "help.h"
#include "mainwindow.h"
#include "platform/cursors.h"
#include "platform/screenpick.h"

using namespace qolvar;

namespace {

// A screen that is readable or not, and a portal that answers as told.
class FakeScreen : public platform::ScreenReader {
public:
    bool readable = true;
    std::optional<TColor> pixel;
    bool portalAvailable = true;
    platform::PickResult portalAnswer{platform::PickStatus::Failed};
    int portalCalls = 0;
    std::vector<QPoint> reads;

    bool canReadPixels() const override { return readable; }
    std::optional<TColor> readPixel(QPoint pos) override
    {
        reads.push_back(pos);
        return pixel;
    }
    bool pickWithPortal(QWidget*, platform::PickDone done) override
    {
        ++portalCalls;
        if (!portalAvailable) return false;
        // The portal answers later, from the event loop.
        QTimer::singleShot(0, [done, answer = portalAnswer] { done(answer); });
        return true;
    }
};

class Picker : public test::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        platform::SetScreenReader(&screen);
        Start();
        w = windows->formMain.get();
        w->show();
        w->SetCurRGB(0x123456);
        dialogs.messages.clear();
    }
    void TearDown() override
    {
        WidgetTest::TearDown();
        platform::SetScreenReader(nullptr);
    }
    void Pick(Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(test::Child<QToolButton>(w, "ToolButton6"), button);
        // Greyed during the pick, not pressed.
        EXPECT_FALSE(test::Child<QToolButton>(w, "ToolButton6")->isDown());
        EXPECT_FALSE(test::Child<QToolButton>(w, "ToolButton6")->isEnabled());
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->hotSpot(), QPoint(10, 23));
        // Released away from the button, over the colour.
        QTest::mouseRelease(test::Child<QToolButton>(w, "ToolButton6"), button, {}, QPoint(200, 150));
        EXPECT_TRUE(test::Child<QToolButton>(w, "ToolButton6")->isEnabled());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        QTest::qWait(20);
    }
    FakeScreen screen;
    app::TformMain* w = nullptr;
};

TEST_F(Picker, AReadableScreenGivesThePixelUnderThePointer)
{
    screen.pixel = CodeToColor(0xFF8000);
    Pick();
    EXPECT_EQ(w->CurRGB(), 0xFF8000u);
    EXPECT_EQ(test::Child<QLineEdit>(w, "editRGBHEX")->text(), "FF8000");
    EXPECT_EQ(screen.portalCalls, 0);
    EXPECT_TRUE(windows->formLogViewer->LogText().isEmpty());
    Pick(Qt::RightButton);  // any button picks
    EXPECT_EQ(screen.reads.size(), 2u);
    // A plain click on the button cancels: nothing is read, the colour stays.
    w->SetCurRGB(0x123456);
    QTest::mouseClick(test::Child<QToolButton>(w, "ToolButton6"), Qt::LeftButton);
    EXPECT_EQ(screen.reads.size(), 2u);
    EXPECT_EQ(w->CurRGB(), 0x123456u);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Picker, WithoutAReadableScreenThePortalPicks)
{
    struct Case {
        bool readable;
        bool portal;
        platform::PickStatus answer;
        RGBCode expected;
        bool warned;
    };
    const Case cases[] = {
        {false, true, platform::PickStatus::Picked, 0x336699, false},
        {false, true, platform::PickStatus::Cancelled, 0x123456, false},
        {false, true, platform::PickStatus::Failed, 0x123456, true},
        {false, false, platform::PickStatus::Failed, 0x123456, true},
        // A screen that should be readable but gives nothing: the portal.
        {true, true, platform::PickStatus::Picked, 0x336699, false},
    };
    for (const auto& c : cases) {
        w->SetCurRGB(0x123456);
        screen.readable = c.readable;
        screen.pixel.reset();
        screen.portalAvailable = c.portal;
        screen.portalAnswer = {c.answer, CodeToColor(0x336699)};
        Pick();
        EXPECT_EQ(w->CurRGB(), c.expected);
        const QStringList texts = dialogs.TakeTexts();
        EXPECT_EQ(!texts.isEmpty(), c.warned);
        if (c.warned) {
            EXPECT_EQ(texts.first(), QString::fromUtf8(platform::kPickFailedMessage));
        }
    }
}

TEST_F(Picker, EyedropperCursorIsA32By32CursorWithItsTipAtTheHotSpot)
{
    const QCursor cursor = platform::EyedropperCursor();
    EXPECT_EQ(cursor.hotSpot(), QPoint(10, 23));
    const QImage mask = cursor.mask().toImage();
    ASSERT_EQ(mask.size(), QSize(32, 32));
    EXPECT_NE(mask.pixelIndex(10, 23), mask.pixelIndex(0, 0)) << "the tip is part of the shape";
    EXPECT_EQ(platform::ScreenCursor(platform::kEyedropperCursor).hotSpot(), QPoint(10, 23))
        << "registered as cursor 5 at start-up";
}

TEST(HelpFiles, HtmlHelpStandsInForTheCompiledFile)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    EXPECT_EQ(app::HelpPath(folder, "Qolvar.chm"), folder + "/Qolvar.chm") << "nothing there: the named file";
    QDir().mkpath(folder + "/help/qolvar");
    QFile(folder + "/help/qolvar/index.html").open(QIODevice::WriteOnly);
    EXPECT_EQ(app::HelpPath(folder, "Qolvar.chm"), folder + "/help/qolvar/index.html");
    EXPECT_EQ(app::HelpPath(folder, "TableEdit.chm"), folder + "/TableEdit.chm");
    QFile(folder + "/Qolvar.chm").open(QIODevice::WriteOnly);
    EXPECT_EQ(app::HelpPath(folder, "Qolvar.chm"), folder + "/Qolvar.chm");
}

TEST_F(Picker, F1OpensTheShippedHelp)
{
    dialogs.shellResult.reset();
    test::Child<QAction>(w, "Contents1")->trigger();
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.TakeTexts().join("|").toStdString();
    EXPECT_TRUE(dialogs.opened.back().endsWith("/help/qolvar/index.html")) << dialogs.opened.back().toStdString();
}

}  // namespace
