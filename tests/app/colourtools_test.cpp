// The main window's colour tools: the contrast shown in the status bar and
// the colour copied in the chosen format.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "fixture.h"
#include "mainwindow/copyas.h"
#include "mainwindow/logviewer.h"
#include "mainwindow/mainwindow.h"
#include "platform/colorpanel.h"
#include "platform/spinedit.h"

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
    Trigger("CopyOkLCh1");
    EXPECT_EQ(Copied(), "oklch(0.49931 0.09866 250.433)");  // colorjs.io 0.5.2's, to these decimals
    Trigger("CopyHSL1");
    EXPECT_EQ(Copied(), "hsl(210, 50%, 40%)");

    // A template that cannot be read comes back in the box as typed, with
    // the reason; cancelled there, the one in use stays.
    dialogs.texts = {"{R}/{nope}", QString()};
    Trigger("CopyTemplateEdit1");
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(dialogs.inputInitials.size(), 2u);
    EXPECT_EQ(dialogs.inputInitials[1], "{R}/{nope}");
    EXPECT_TRUE(dialogs.inputLabels[1].contains("nope")) << dialogs.inputLabels[1].toStdString();
    EXPECT_EQ(Main()->findChild<app::CopyAs*>()->CopyFormat(), "css-hsl");
    // Mended there, it is chosen at once.
    dialogs.texts = {"{R}/{nope}", "{R}/{G}/{B} {HEX}"};
    Trigger("CopyTemplateEdit1");
    EXPECT_EQ(Main()->findChild<app::CopyAs*>()->CopyFormat(), "template");
    EXPECT_EQ(Copied(), "51/102/153 336699");
    Trigger("CopyTemplateEdit1");  // cancelled: nothing changes
    EXPECT_EQ(Copied(), "51/102/153 336699");

    Stop();
    Start();
    EXPECT_EQ(Main()->findChild<app::CopyAs*>()->CopyFormat(), "template");
    EXPECT_EQ(dialogs.inputInitials.back(), "{R}/{G}/{B} {HEX}");
    EXPECT_EQ(Copied(), "51/102/153 336699");
}

TEST_F(ColourTools, LiveConversionFollowsTheColourWithoutLogging)
{
    // The hue of 336699 is 210 degrees, of FF0000 0, of 00FF00 120.
    auto* hue = test::Child<platform::SpinEdit>(Main(), "SpinEditHUE3");
    test::ShowPage(Main(), 1);
    Main()->SetCurRGB(0x336699);
    EXPECT_NE(hue->Text(), "210") << "off: the page waits for a refresh";
    Trigger("LiveConv1");
    EXPECT_EQ(hue->Text(), "210") << "switching it on refreshes at once";
    test::Child<QSlider>(Main(), "TrackBarRGB3")->setValue(0xFF);  // red channel: FF6699
    test::Child<QSlider>(Main(), "TrackBarRGB2")->setValue(0);     // FF0099
    test::Child<QSlider>(Main(), "TrackBarRGB1")->setValue(0);     // FF0000
    EXPECT_EQ(hue->Text(), "0");
    // A page shown later is refreshed when it is chosen.
    test::ShowPage(Main(), 2);
    Main()->SetCurRGB(0x00FF00);
    test::ShowPage(Main(), 1);
    EXPECT_EQ(hue->Text(), "120");
    EXPECT_TRUE(windows->formLogViewer->LogText().isEmpty());
    EXPECT_EQ(test::Child<platform::ColorPanel>(Main(), "Panel4")->color(), 0u) << "the last refresh's colour stays";
    // The refresh command still logs; the option is kept.
    test::Child<QPushButton>(Main(), "BitBtn1")->click();
    EXPECT_FALSE(windows->formLogViewer->LogText().isEmpty());
    Stop();
    Start();
    EXPECT_TRUE(test::Child<QAction>(Main(), "LiveConv1")->isChecked());
}

}  // namespace
