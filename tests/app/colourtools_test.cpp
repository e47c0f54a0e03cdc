// The main window's colour tools: the contrast shown in the status bar and
// the colour copied in the chosen format.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

#include "fixture.h"
#include "mainwindow.h"

using namespace qolvar;

namespace {

class ColourTools : public test::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        Start();
    }
    app::TformMain* Main() { return windows->formMain.get(); }
    void Trigger(const char* name) { test::Child<QAction>(Main(), name)->trigger(); }
    QString Copied()
    {
        Trigger("EditCopyCmd");
        return QGuiApplication::clipboard()->text();
    }
};

TEST_F(ColourTools, ContrastWithTheRefreshedColour)
{
    // The refreshed colour is black until the first refresh. Luminances by
    // hand: white 1, black 0, 336699 0.1251 (channels 0.0331, 0.1329, 0.3185).
    struct Case {
        RGBCode current;
        bool refresh;
        const char* text;
    } cases[] = {
        {0xFFFFFF, false, "コントラスト 21.00:1  AAA / 大 AAA"},
        {0x336699, false, "コントラスト 3.50:1  — / 大 AA"},
        {0x336699, true, "コントラスト 1.00:1  — / 大 —"},
        {0xFFFFFF, false, "コントラスト 6.00:1  AA / 大 AAA"},
    };
    auto* label = test::Child<QLabel>(Main(), "labelContrast");
    for (const Case& c : cases) {
        Main()->SetCurRGB(c.current);
        if (c.refresh) test::Child<QPushButton>(Main(), "BitBtn1")->click();
        EXPECT_EQ(label->text(), QString::fromUtf8(c.text)) << std::hex << c.current;
    }
}

TEST_F(ColourTools, CopyAsFormatsAndTemplateKeptBetweenRuns)
{
    Main()->SetCurRGB(0x336699);
    EXPECT_EQ(Copied(), "#336699");
    Trigger("CopyRGB1");
    EXPECT_EQ(Copied(), "rgb(51, 102, 153)");
    Trigger("CopyHSL1");
    EXPECT_EQ(Copied(), "hsl(210, 50%, 40%)");

    // A template that cannot be read is refused with a box; the one in use
    // stays. A good one is chosen at once.
    dialogs.texts = {"{R}/{nope}", "{R}/{G}/{B} {HEX}"};
    Trigger("CopyTemplateEdit1");
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(Main()->CopyFormat(), "css-hsl");
    Trigger("CopyTemplateEdit1");
    EXPECT_EQ(Main()->CopyFormat(), "template");
    EXPECT_EQ(Copied(), "51/102/153 336699");
    Trigger("CopyTemplateEdit1");  // cancelled: nothing changes
    EXPECT_EQ(Copied(), "51/102/153 336699");

    Stop();
    Start();
    EXPECT_EQ(Main()->CopyFormat(), "template");
    EXPECT_EQ(dialogs.inputInitials.back(), "{R}/{G}/{B} {HEX}");
    EXPECT_EQ(Copied(), "51/102/153 336699");
}

}  // namespace
