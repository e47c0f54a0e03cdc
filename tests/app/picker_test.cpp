// The eyedropper and the help files.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "fixture.h"
#include "mainwindow/mainwindow.h"
#include "picking/pickmode.h"
#include "platform/cursors.h"
#include "platform/monitorprofile.h"
#include "platform/screenpick.h"
#include "widgets/help.h"

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
    // The screen's pixels: a 40×30 picture at (100, 100), R = 5x, G = 8y,
    // B = 255 where x + y is odd; nothing elsewhere.
    QImage picture = Picture();
    QImage grabArea(const QRect& rect, QRect* got) override
    {
        const QRect area = rect & QRect(QPoint(100, 100), picture.size());
        *got = area;
        return area.isEmpty() ? QImage() : picture.copy(area.translated(-100, -100));
    }
    static QImage Picture()
    {
        QImage image(40, 30, QImage::Format_RGB32);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) image.setPixel(x, y, qRgb(5 * x, 8 * y, (x + y) % 2 ? 255 : 0));
        return image;
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
    // A plain click on the button takes no pixel: it starts the pick mode,
    // and Esc there leaves the colour as it was.
    w->SetCurRGB(0x123456);
    QTest::mouseClick(test::Child<QToolButton>(w, "ToolButton6"), Qt::LeftButton);
    EXPECT_EQ(screen.reads.size(), 2u);
    auto* session = w->findChild<app::PickSession*>("formPickMode");
    ASSERT_NE(session, nullptr);
    EXPECT_TRUE(session->isVisible());
    QTest::keyClick(session, Qt::Key_Escape);
    EXPECT_EQ(w->CurRGB(), 0x123456u);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Picker, PickModeTakesTheMagnifiedSquare)
{
    // Hand-computed from the picture: R = 5x, G = 8y, B = 255 where x + y is
    // odd; the pointer starts at (20, 15) of it.
    struct Case {
        const char* what;
        int average;
        std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
        std::optional<RGBCode> taken;  // nullopt: cancelled
    };
    const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier;
    const Case cases[] = {
        {"the pixel under the pointer", 1, {{Qt::Key_Return, none}}, 0x6478FF},
        {"nudged right by one", 1, {{Qt::Key_Right, none}, {Qt::Key_Return, none}}, 0x697800},
        {"nudged down by ten", 1, {{Qt::Key_Down, shift}, {Qt::Key_Enter, none}}, 0x64C8FF},
        {"3x3: five of nine dither pixels", 3, {{Qt::Key_Return, none}}, 0x64788E},
        {"5x5: thirteen of 25 (132.6)", 5, {{Qt::Key_Return, none}}, 0x647885},
        {"3x3 cut by the corner: R 2.5 -> 2, B 127.5 -> 128",
         3,
         {{Qt::Key_Left, shift},
          {Qt::Key_Left, shift},
          {Qt::Key_Up, shift},
          {Qt::Key_Up, none},
          {Qt::Key_Up, none},
          {Qt::Key_Up, none},
          {Qt::Key_Up, none},
          {Qt::Key_Up, none},
          {Qt::Key_Return, none}},
         0x020480},
        {"zoomed, then cancelled",
         1,
         {{Qt::Key_Plus, none}, {Qt::Key_Minus, none}, {Qt::Key_Escape, none}},
         std::nullopt},
        {"off the picture there is nothing to take; Esc",
         1,
         {{Qt::Key_Left, shift},
          {Qt::Key_Left, shift},
          {Qt::Key_Left, shift},
          {Qt::Key_Return, none},
          {Qt::Key_Escape, none}},
         std::nullopt},
    };
    for (const Case& c : cases) {
        w->SetCurRGB(0x123456);
        test::Child<QAction>(w, QStringLiteral("actPickAverage%1").arg(c.average).toLatin1().constData())->trigger();
        QCursor::setPos(QPoint(120, 115));
        test::Child<QAction>(w, "actPickMode")->trigger();
        auto* session = w->findChild<app::PickSession*>("formPickMode");
        ASSERT_NE(session, nullptr) << c.what;
        EXPECT_EQ(session->position(), QPoint(120, 115));
        for (const auto& [key, mods] : c.keys) QTest::keyClick(session, key, mods);
        EXPECT_EQ(w->CurRGB(), c.taken.value_or(0x123456)) << c.what;
        const QString status = test::Child<QStatusBar>(w, "StatusBarMain")->currentMessage();
        if (c.taken) {
            EXPECT_TRUE(status.contains("画面") && status.contains("#" + app::HexText(*c.taken))) << c.what;
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(w->findChild<app::PickSession*>("formPickMode"), nullptr) << c.what;
    }
    EXPECT_TRUE(windows->formLogViewer->LogText().isEmpty()) << "a pick writes no log line";
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
        dialogs.answers = {platform::kNo};
        Pick();
        EXPECT_EQ(w->CurRGB(), c.expected);
        const QStringList texts = dialogs.TakeTexts();
        EXPECT_EQ(!texts.isEmpty(), c.warned);
        const QString status = test::Child<QStatusBar>(w, "StatusBarMain")->currentMessage();
        if (c.warned) {
            // The warning says why and offers the image path (declined here).
            EXPECT_TRUE(texts.first().startsWith(QString::fromUtf8(platform::kPickFailedMessage)));
            EXPECT_TRUE(status.contains("画面から色を取れません")) << status.toStdString();
        } else if (c.answer == platform::PickStatus::Picked) {
            EXPECT_TRUE(status.startsWith("デスクトップのポータルから")) << status.toStdString();
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

TEST(HelpFiles, TheHtmlHelpOfTheLanguageStandsInForTheCompiledFile)
{
    struct Case {
        QStringList files;  // in the program's folder
        const char* name;
        const char* language;
        const char* opened;
    };
    const QStringList both{"help/qolvar/index.html", "help/qolvar/index.en.html"};
    const QStringList editor{"help/tableedit/index.html", "help/tableedit/index.en.html"};
    const Case cases[] = {
        {{}, "Qolvar.chm", "ja", "Qolvar.chm"},  // nothing there: the named file
        {{"help/qolvar/index.html"}, "Qolvar.chm", "ja", "help/qolvar/index.html"},
        {{"help/qolvar/index.html"}, "Qolvar.chm", "en", "help/qolvar/index.html"},  // no English help
        {both, "Qolvar.chm", "ja", "help/qolvar/index.html"},
        {both, "Qolvar.chm", "en", "help/qolvar/index.en.html"},
        {both, "TableEdit.chm", "en", "TableEdit.chm"},  // another help's files
        {editor, "TableEdit.chm", "en", "help/tableedit/index.en.html"},
        {{"Qolvar.chm", "help/qolvar/index.en.html"}, "Qolvar.chm", "en", "Qolvar.chm"},  // compiled help first
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        for (const QString& file : c.files) {
            QDir(dir.path()).mkpath(QFileInfo(file).path());
            QFile(dir.filePath(file)).open(QIODevice::WriteOnly);
        }
        EXPECT_EQ(app::HelpPath(dir.path(), c.name, c.language), dir.filePath(c.opened))
            << c.files.join(' ').toStdString() << " " << c.name << " " << c.language;
    }
}

TEST_F(Picker, TheMonitorProfileChoiceIsKeptInTheSettings)
{
    test::Child<QAction>(w, "UseMonitorProfile1")->trigger();
    EXPECT_FALSE(platform::UseMonitorProfile());
    Stop();
    EXPECT_EQ(StoredSetting("UseMonitorProfile"), "0");
    platform::SetUseMonitorProfile(true);
    Start();
    EXPECT_FALSE(test::Child<QAction>(windows->formMain.get(), "UseMonitorProfile1")->isChecked());
    EXPECT_FALSE(platform::UseMonitorProfile());
}

TEST_F(Picker, F1OpensTheShippedHelp)
{
    dialogs.shellResult.reset();
    test::Child<QAction>(w, "Contents1")->trigger();
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.TakeTexts().join("|").toStdString();
    EXPECT_TRUE(dialogs.opened.back().endsWith("/help/qolvar/index.html")) << dialogs.opened.back().toStdString();
    // The windows in English open the English help.
    app::UseLanguage("en");
    test::Child<QAction>(w, "Contents1")->trigger();
    app::RemoveTranslations();
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.TakeTexts().join("|").toStdString();
    EXPECT_TRUE(dialogs.opened.back().endsWith("/help/qolvar/index.en.html")) << dialogs.opened.back().toStdString();
}

}  // namespace
