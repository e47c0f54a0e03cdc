// The main window's colour table drop-down.
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTest>

#include "fixture.h"
#include "mainwindow/colortablecombo.h"
#include "mainwindow/mainwindow.h"

using namespace qolvar;

namespace {

class ColorTable : public test::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        Start();
        w = windows->formMain.get();
        combo = w->findChild<QComboBox*>("cboxColor");
        ASSERT_NE(combo, nullptr);
        dialogs.messages.clear();
    }
    void Open(const QString& path)
    {
        dialogs.openPaths.push_back(path);
        test::Child<QAction>(w, "TableLoadCmd")->trigger();
    }
    QStringList Rows()
    {
        QStringList rows;
        for (int i = 0; i < combo->count(); ++i) rows << combo->itemText(i);
        return rows;
    }
    app::TformMain* w = nullptr;
    QComboBox* combo = nullptr;
};

TEST_F(ColorTable, TheDefaultTableIsLoadedAtStartUp)
{
    EXPECT_EQ(combo->count(), 140);
    EXPECT_EQ(test::Child<QLabel>(w, "labelColFn")->text(), "  ■ Web標準色 140色");
    // The starting colour, black, is an entry of the table: it is shown.
    EXPECT_TRUE(combo->currentText().startsWith("#000000 Black"));
    EXPECT_TRUE(combo->itemText(0).startsWith("#F0F8FF AliceBlue"));
}

TEST_F(ColorTable, LoadingReplacesRowsCaptionAndColours)
{
    const QString path = Write("mine.tab", "#FF0000 赤\r\n\r\n  #00FF00 indented\n#0000ff blue\r#12");
    w->SetCurRGB(0x123456);
    Open(path);
    // Text tables first; palettes and swatches may be opened as well.
    EXPECT_TRUE(dialogs.openOptions.back().filter.startsWith("Text files (*.tab,*.txt,*.csv)|*.tab;*.txt;*.csv|"));
    EXPECT_TRUE(dialogs.openOptions.back().filter.contains("GIMP パレット (*.gpl)|*.gpl"));
    EXPECT_EQ(Rows(), (QStringList{"#FF0000 赤", "", "  #00FF00 indented", "#0000ff blue", "#12"}));
    EXPECT_EQ(test::Child<QLabel>(w, "labelColFn")->text(), "  ■ mine 5色");
    EXPECT_EQ(test::TableOf(w)->TableFileName(), path);
    EXPECT_EQ(w->CurRGB(), 0x123456u) << "loading does not change the colour";
    // Colours from characters 2..7 of the raw line; an indented code is not
    // a code here.
    const std::vector<TColor> expected = {0x0000FF, 0, 0, 0xFF0000, 0x120000};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(test::TableOf(w)->TableColors()[i], expected[i]) << i;
}

TEST_F(ColorTable, PalettesLoadAsTablesAndNameTheNearestColour)
{
    Open(Write("pal.gpl",
               "GIMP Palette\nName: Test\nColumns: 2\n# comment\n255   0   0 Red\n  0 128   0\tDark green\n"));
    EXPECT_EQ(Rows(), (QStringList{"#FF0000 Red", "#008000 \"Dark green\""}));
    EXPECT_EQ(test::Child<QLabel>(w, "labelColFn")->text(), "  ■ pal 2色");
    EXPECT_EQ(test::TableOf(w)->TableColors()[1], 0x008000u);
    // The nearest entry of the loaded table, by name, with its ΔE00.
    auto* nearest = test::Child<QLabel>(w, "labelNearest");
    w->SetCurRGB(0x008000);
    EXPECT_EQ(nearest->text(), "≈ Dark green  ΔE 0.0");
    w->SetCurRGB(0xFE0000);
    EXPECT_TRUE(nearest->text().startsWith("≈ Red  ΔE ")) << nearest->text().toStdString();
}

// Named colours are sRGB colours: the nearest is found under D65 whatever
// white the CIE page uses (under illuminant A the dark grey would be called
// MidnightBlue: qolvar-cli nearest --white a 2C2C2C).
TEST_F(ColorTable, TheNearestNameIsFoundInSRGB)
{
    Open(Write("n.tab", "#000000 Black\r\n#191970 MidnightBlue\r\n#696969 DimGray\r\n"));
    w->EditConditions().SetCIEWhite(2);  // illuminant A
    w->SetCurRGB(0x2C2C2C);
    EXPECT_EQ(test::Child<QLabel>(w, "labelNearest")->text(), "≈ Black  ΔE 9.8");
}

// The nearest name shows whole where the window is wide enough, and is
// shortened with "…" where it is not.
TEST_F(ColorTable, TheNearestNameTakesTheWidthThereIs)
{
    const QString name(80, QLatin1Char('g'));
    w->show();
    const int narrowest = w->minimumWidth();
    Open(Write("long.tab", ("#008000 " + name + "\r\n").toUtf8()));
    auto* nearest = test::Child<QLabel>(w, "labelNearest");
    w->SetCurRGB(0x008000);
    w->resize(1400, w->height());
    QTRY_COMPARE(nearest->text(), "≈ " + name + "  ΔE 0.0");
    w->resize(w->minimumWidth(), w->height());
    QTRY_VERIFY(nearest->text().endsWith(QChar(0x2026)));
    EXPECT_EQ(w->minimumWidth(), narrowest) << "a long name does not widen the window";
}

TEST_F(ColorTable, ChoosingARowSetsTheColourAndTheHint)
{
    Open(Write("t.tab", "#FF8000 orange\r\n#336699 blue\r\n"));
    emit combo->activated(1);
    EXPECT_EQ(w->CurRGB(), 0x336699u);
    EXPECT_EQ(test::Child<QLineEdit>(w, "editRGBHEX")->text(), "336699");
    EXPECT_EQ(combo->toolTip(), "#336699 blue");
    EXPECT_FALSE(w->InUpdate());
    EXPECT_TRUE(windows->formLogViewer->LogText().isEmpty());
}

TEST_F(ColorTable, CaptionBaseNames)
{
    struct Case {
        const char* file;
        const char* caption;
    };
    for (const auto& c :
         {Case{"abc", "  ■  1色"}, Case{"colours.table", "  ■ colours.t 1色"}, Case{"x.tab", "  ■ x 1色"}}) {
        Open(Write(c.file, "#000000\r\n"));
        EXPECT_EQ(test::Child<QLabel>(w, "labelColFn")->text(), QString::fromUtf8(c.caption)) << c.file;
    }
    Open(Write("empty.tab", ""));
    EXPECT_EQ(test::Child<QLabel>(w, "labelColFn")->text(), "  ■ empty 0色");
    EXPECT_EQ(combo->count(), 0);
}

TEST_F(ColorTable, AnUnreadableTableChangesOnlyTheFileName)
{
    const QStringList before = Rows();
    const QString missing = dir.filePath("gone.tab");
    Open(missing);
    EXPECT_EQ(dialogs.TakeTexts(), QStringList{"ファイル " + missing + " は開けません."});
    EXPECT_EQ(Rows(), before);
    EXPECT_EQ(test::Child<QLabel>(w, "labelColFn")->text(), "  ■ Web標準色 140色");
    EXPECT_EQ(test::TableOf(w)->TableFileName(), missing);
}

TEST_F(ColorTable, SortingTwiceRestoresTheFileOrder)
{
    const QString path = Write("s.tab", "#FF0000 r\r\n#00ff00 g\r\n#0000FF b\r\n#00FF00 G\r\n");
    Open(path);
    const QStringList fileOrder = Rows();
    test::Child<QAction>(w, "TblSort1")->trigger();
    EXPECT_TRUE(test::Child<QAction>(w, "TblSort1")->isChecked());
    EXPECT_EQ(Rows(), (QStringList{"#0000FF b", "#00ff00 g", "#00FF00 G", "#FF0000 r"}));
    EXPECT_EQ(test::TableOf(w)->TableColors()[0], 0xFF0000u);
    EXPECT_EQ(test::TableOf(w)->TableColors()[3], 0x0000FFu);
    // A table opened while sorting is on is shown sorted.
    Open(path);
    EXPECT_EQ(Rows().first(), "#0000FF b");
    test::Child<QAction>(w, "TblSort1")->trigger();
    EXPECT_EQ(Rows(), fileOrder);
    EXPECT_EQ(test::TableOf(w)->TableColors()[0], 0x0000FFu);
    // Leaving sorted mode when the file is gone keeps the sorted rows.
    test::Child<QAction>(w, "TblSort1")->trigger();
    QFile::remove(path);
    test::Child<QAction>(w, "TblSort1")->trigger();
    EXPECT_FALSE(test::Child<QAction>(w, "TblSort1")->isChecked());
    EXPECT_EQ(Rows().first(), "#0000FF b");
    EXPECT_EQ(test::TableOf(w)->TableColors()[0], 0xFF0000u);
    EXPECT_EQ(dialogs.TakeTexts().size(), 1);
}

// The drop-down follows the current colour: its entry when the table has
// one (the first of equal ones), none otherwise.
TEST_F(ColorTable, TheDropDownShowsTheEntryOfTheCurrentColour)
{
    Open(Write("t.tab", "#FF0000 Red\r\n#00FF00 Green\r\n#FF0000 Rot\r\n"));
    const struct {
        RGBCode colour;
        int row;
    } rows[] = {{0x00FF00, 1}, {0x123456, -1}, {0xFF0000, 0}, {0x000000, -1}};
    for (const auto& r : rows) {
        w->SetCurRGB(r.colour);
        EXPECT_EQ(combo->currentIndex(), r.row) << std::hex << r.colour;
    }
    combo->setCurrentIndex(2);  // the row chosen stays shown
    emit combo->activated(2);
    EXPECT_EQ(combo->currentIndex(), 2);
}

TEST_F(ColorTable, LongTablesKeepAColourForEveryRow)
{
    QByteArray text;
    for (int i = 0; i < 5000; ++i) text += "#" + QByteArray::number(i, 16).rightJustified(6, '0') + "\r\n";
    Open(Write("long.tab", text));
    ASSERT_EQ(combo->count(), 5000);
    ASSERT_GE(test::TableOf(w)->TableColors().size(), 5000u);
    emit combo->activated(4999);
    EXPECT_EQ(w->CurRGB(), 4999u);
    // The open list shows about twenty rows of 20 pixels, not the screen.
    w->show();
    combo->showPopup();
    EXPECT_LE(combo->view()->height(), 21 * 20);
    EXPECT_GE(combo->view()->height(), 15 * 20);
    combo->hidePopup();
}

// Black or white, whichever has the higher contrast ratio with the swatch:
// greys change over between 737373 (L 0.171: 4.43 to black, 4.70 to
// white) and 777777 (L 0.185: 4.69 and 4.48).
TEST(ColourRows, TextColourContrastsMostWithTheSwatch)
{
    struct Case {
        RGBCode code;
        bool dark;
    };
    for (auto [code, dark] : {Case{0xFFFF00, true}, Case{0x0000FF, false}, Case{0xFFA500, true}, Case{0xFF8C00, true},
                              Case{0x00CED1, true}, Case{0x000080, false}, Case{0x777777, true}, Case{0x737373, false}})
        EXPECT_EQ(app::DarkTextOn(CodeToColor(code)), dark) << std::hex << code;
}

TEST(ColourRows, SwatchLeavesTheLeftColumnAndBottomLine)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        app::DrawColourRow(p, QRect(0, 0, 40, 20), CodeToColor(0x336699), QString());
    }
    EXPECT_EQ(image.pixel(0, 5), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(1, 0), qRgb(0x33, 0x66, 0x99));
    EXPECT_EQ(image.pixel(39, 18), qRgb(0x33, 0x66, 0x99));
    EXPECT_EQ(image.pixel(20, 19), qRgb(255, 255, 255));
}

}  // namespace
