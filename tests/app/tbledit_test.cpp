// The colour table editor window: file commands and their questions, the
// current entry and the colour fields, the list operations through the
// window's own actions and controls, the clipboard, drag and drop, the
// wheel, the drawn rows, log conversion, sorting, the colour pick and help.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <functional>

#include "fixture.h"
#include "picking/pickmode.h"
#include "platform/colorpanel.h"
#include "platform/screenpick.h"
#include "platform/spinedit.h"
#include "table/texts.h"
#include "tableeditor/tbledit.h"
#include "widgets/help.h"

using namespace qolvar;
using platform::kCancel;
using platform::kNo;
using platform::kYes;

namespace {

class FixedScreen : public platform::ScreenReader {
public:
    std::optional<TColor> pixel;
    std::vector<QPoint> reads;
    bool canReadPixels() const override { return true; }
    std::optional<TColor> readPixel(QPoint pos) override
    {
        reads.push_back(pos);
        return pixel;
    }
    bool pickWithPortal(QWidget*, platform::PickDone) override { return false; }
    // Every pixel of the screen is the one colour.
    QImage grabArea(const QRect& rect, QRect* got) override
    {
        *got = rect;
        QImage area(rect.size(), QImage::Format_RGB32);
        area.fill(pixel ? QColor(platform::ToQColor(*pixel)) : QColor(Qt::black));
        return area;
    }
};

class TblEdit : public test::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        Start();
        e = windows->formTblEdit.get();
    }
    QByteArray Read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // Opens a table of n lines "#RRGGBB Ck k" (k = 0..n-1) or of the lines given.
    QString Open(const QStringList& lines, const QString& name = "t.tab")
    {
        const QString path = Write(name, (lines.join("\r\n") + "\r\n").toUtf8());
        e->TblFileRead(path);
        return path;
    }
    static QStringList Numbered(int n)
    {
        QStringList lines;
        for (int k = 0; k < n; ++k)
            lines << "#" + QStringLiteral("%1").arg(k * 0x10101, 6, 16, QChar('0')).toUpper() +
                         QStringLiteral(" C%1 c%1").arg(k);
        return lines;
    }
    // The rows the list shows.
    QStringList Shown() const
    {
        QStringList rows;
        const QAbstractItemModel* m = e->lboxColor->model();
        for (int r = 0; r < m->rowCount(); ++r) rows << m->index(r, 0).data().toString();
        return rows;
    }
    void Select(int current, QList<int> rows = {})
    {
        if (rows.isEmpty()) rows = {current};
        e->lboxColor->SetCurrentRow(current, rows.first(), rows.first());
        for (int r : rows)
            e->lboxColor->selectionModel()->select(e->lboxColor->model()->index(r, 0), QItemSelectionModel::Select);
    }
    void ShowWindow()
    {
        e->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(e));
    }
    app::TformTblEdit* e = nullptr;
};

TEST_F(TblEdit, StartsUntitled)
{
    EXPECT_EQ(e->objectName(), "formTblEdit");
    EXPECT_EQ(e->windowTitle(), "[*]無題 - Color Table Editor");
    EXPECT_EQ(e->Label1->text(), "■ Ｃｏｌｏｒ Ｔａｂｌｅ");
    EXPECT_EQ(e->StatusPanel->text(), "");
    EXPECT_TRUE(e->RGBU->isChecked());
    EXPECT_EQ(e->Replace1->shortcut(), QKeySequence("Ctrl+H"));
}

TEST_F(TblEdit, ReadingShowsTheTableAndItsFirstEntry)
{
    const QString path = Open({"#ff8000 Orange", "#FF0000 Red bright red", "#00FF00"}, "web.tab");
    EXPECT_EQ(Shown(), QStringList({"#ff8000 Orange", "#FF0000 Red bright red", "#00FF00"}));
    EXPECT_EQ(e->windowTitle(), "[*]web.tab - Color Table Editor");
    EXPECT_EQ(e->Label1->text(), "  ■ web 3色");
    EXPECT_EQ(e->SpinEditNo->Text(), "1");
    EXPECT_EQ(e->SpinEditNo->maxValue(), 3);
    EXPECT_EQ(e->editRGBHEX->text(), "FF8000");
    EXPECT_EQ(QStringList({e->SpinEditRGB3->Text(), e->SpinEditRGB2->Text(), e->SpinEditRGB1->Text()}),
              QStringList({"255", "128", "0"}));
    EXPECT_EQ(e->Panel1->color(), 0x0080FFu);
    EXPECT_EQ(e->Panel2->color(), 0x0080FFu);
    EXPECT_EQ(e->editName->text(), "Orange");

    ShowWindow();
    QTest::mouseClick(e->lboxColor->viewport(), Qt::LeftButton, {},
                      e->lboxColor->visualRect(e->lboxColor->model()->index(1, 0)).center());
    EXPECT_EQ(e->SpinEditNo->Text(), "2");
    EXPECT_EQ(e->editName->text(), "Red");
    EXPECT_EQ(e->memoComment->toPlainText(), "bright red");
    EXPECT_FALSE(e->InTblUpdate);
}

TEST_F(TblEdit, ColourFieldsFollowEachOtherWithoutTouchingTheTable)
{
    Open({"#123456 a"});
    struct Case {
        const char* hex;        // typed into the hex field, or null
        const char *r, *g, *b;  // typed into the spin edits otherwise
        const char* expectHex;
        TColor panel;
    };
    const Case cases[] = {
        {"ff8000", nullptr, nullptr, nullptr, "ff8000", 0x0080FF},
        {"zz", nullptr, nullptr, nullptr, "zz", 0},
        {"1234567", nullptr, nullptr, nullptr, "1234567", 0x674523},
        {"orange", nullptr, nullptr, nullptr, "orange", 0x00A5FF},  // a CSS colour
        {"#F80", nullptr, nullptr, nullptr, "#F80", 0x0088FF},
        {nullptr, "300", "128", "0", "2C8000", 0x00802C},
        {nullptr, "-1", "0", "0", "FF0000", 0x0000FF},
    };
    for (const Case& c : cases) {
        if (c.hex) {
            e->editRGBHEX->selectAll();
            QTest::keyClicks(e->editRGBHEX, c.hex);
        } else {
            e->SpinEditRGB3->setText(c.r);
            e->SpinEditRGB2->setText(c.g);
            e->SpinEditRGB1->setText(c.b);
        }
        EXPECT_EQ(e->editRGBHEX->text(), c.expectHex);
        EXPECT_EQ(e->Panel1->color(), c.panel) << c.expectHex;
        const RGBCode code = ColorToCode(c.panel);
        EXPECT_EQ(e->SpinEditRGB3->Text().toInt() & 0xFF, int(code >> 16 & 0xFF)) << c.expectHex;
        EXPECT_EQ(e->SpinEditRGB1->Text().toInt() & 0xFF, int(code & 0xFF)) << c.expectHex;
    }
    // A spin edit that holds no number changes nothing and says nothing.
    e->SpinEditRGB2->setText("-");
    EXPECT_EQ(e->editRGBHEX->text(), "FF0000");
    EXPECT_FALSE(e->InTblUpdate);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(e->Document().Lines(), QStringList({"#123456 a"}));
    EXPECT_FALSE(e->Document().TblModified());
    EXPECT_EQ(e->Panel2->color(), CodeToColor(0x123456)) << "the stored colour";

    // The colour dialog (cancel, then a colour) and the stored colour.
    dialogs.colors = {std::nullopt, QColor(0x11, 0x22, 0x33)};
    e->Panel1Click();
    EXPECT_EQ(e->editRGBHEX->text(), "FF0000");
    e->Panel1Click();
    EXPECT_EQ(e->editRGBHEX->text(), "112233");
    EXPECT_EQ(e->SpinEditRGB2->Text(), "34");
    e->Panel2Click();
    EXPECT_EQ(e->editRGBHEX->text(), "123456");
    EXPECT_EQ(e->Panel1->color(), CodeToColor(0x123456));
}

TEST_F(TblEdit, OperationsThroughTheWindow)
{
    struct Case {
        const char* what;
        int current;
        QList<int> selected;
        std::function<void()> run;
        QStringList lines;  // afterwards
        int currentAfter;
        bool modified;
        bool snapshot;
    };
    const QStringList six = {"#000001 a", "#000002 b", "#000003 c", "#000004 d", "#000005 e", "#000006 f"};
    auto with = [&](std::initializer_list<std::pair<int, QString>> changes, QStringList l = {}) {
        if (l.isEmpty()) l = six;
        for (const auto& [i, s] : changes) l.insert(i, s);
        return l;
    };
    const Case cases[] = {
        {"insert", 3, {}, [&] { e->EditInsertCmd->trigger(); }, with({{3, "#FFFFFF 0"}}), 3, true, true},
        {"delete",
         1,
         {1, 3},
         [&] { e->EditDeleteCmd->trigger(); },
         {"#000001 a", "#000003 c", "#000005 e", "#000006 f"},
         1,
         true,
         true},
        {"up",
         2,
         {},
         [&] { e->spbtUp->click(); },
         {"#000001 a", "#000003 c", "#000002 b", "#000004 d", "#000005 e", "#000006 f"},
         1,
         true,
         false},
        {"up on the first row", 0, {}, [&] { e->spbtUp->click(); }, six, 0, false, false},
        {"down on the last row", 5, {}, [&] { e->spbtDown->click(); }, six, 5, false, false},
        {"add",
         1,
         {},
         [&] {
             e->editRGBHEX->setText("ABCDEF");
             e->editName->setText("CN0042");
             e->memoComment->setPlainText("two\nlines");
             e->spbtAdd->click();
         },
         with({{6, "#ABCDEF CN0007 two lines"}}),
         6,
         true,
         true},
        {"undo after add",
         2,
         {},
         [&] {
             e->EditAddCmd->trigger();
             e->EditUndoCmd->trigger();
         },
         six,
         5,
         true,
         true},
        {"replace (Ctrl+H item)",
         0,
         {},
         [&] {
             e->SpinEditNo->setText("2");
             e->editRGBHEX->setText("00FF00");
             e->editName->setText("Red");
             e->memoComment->clear();
             QTest::keyClick(e, Qt::Key_H, Qt::ControlModifier);
         },
         {"#000001 a", "#00FF00 Red ", "#000003 c", "#000004 d", "#000005 e", "#000006 f"},
         0,
         true,
         true},
    };
    ShowWindow();
    e->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(e));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // A snapshot of another table, to tell a new one by.
        Open({"#0000FF x"}, "x.tab");
        Select(0);
        e->EditInsertCmd->trigger();
        Open(six);
        Select(c.current, c.selected);
        c.run();
        EXPECT_EQ(Shown(), c.lines);
        EXPECT_EQ(e->lboxColor->CurrentRow(), c.currentAfter);
        EXPECT_EQ(e->SpinEditNo->Text(), QString::number(c.currentAfter + 1));
        EXPECT_EQ(e->Document().TblModified(), c.modified);
        EXPECT_EQ(e->StatusPanel->text(), c.modified ? "変更" : "");
        EXPECT_EQ(e->Label1->text(), QStringLiteral("  ■ t %1色").arg(c.lines.size()));
        EXPECT_EQ(e->Document().UndoList(), c.snapshot ? six : QStringList({"#0000FF x"}));
    }
}

// Replace keeps the current row and shows its entry; Save As shows the new
// name in the caption, the title keeps the old one until a count is shown.
TEST_F(TblEdit, ReplaceKeepsTheRowAndSaveAsOnlyTheCaption)
{
    Open(Numbered(6));
    Select(1);
    e->SpinEditNo->setText("5");
    e->editRGBHEX->setText("FF0000");
    e->editName->setText("R");
    e->memoComment->clear();
    e->EditReplaceCmd->trigger();
    EXPECT_EQ(e->Document().Lines()[4], "#FF0000 R ");
    EXPECT_EQ(e->lboxColor->CurrentRow(), 1);
    EXPECT_EQ(e->SpinEditNo->Text(), "2");
    EXPECT_EQ(e->editName->text(), "C1");

    const QString title = e->Label1->text();
    dialogs.savePaths = {dir.filePath("renamed.tab")};
    e->FileSaveAsCmd->trigger();
    EXPECT_EQ(e->windowTitle(), "[*]renamed.tab - Color Table Editor");
    EXPECT_EQ(e->Label1->text(), title);
    e->FileSaveCmd->trigger();  // no count shown: the old name stays
    EXPECT_EQ(e->Label1->text(), title);
    e->EditAddCmd->trigger();
    EXPECT_EQ(e->Label1->text(), "  ■ renamed 7色");
}

TEST_F(TblEdit, ReplaceOutsideTheTableWarnsAndChangesNothing)
{
    Open({"#000001 a", "#000002 b"});
    for (const char* no : {"0", "3", "x"}) {
        e->SpinEditNo->setText(no);
        e->EditReplaceCmd->trigger();
        EXPECT_EQ(Shown(), QStringList({"#000001 a", "#000002 b"}));
        EXPECT_TRUE(e->Document().UndoList().isEmpty());
        EXPECT_FALSE(e->Document().TblModified());
    }
    const QStringList texts = dialogs.TakeTexts();
    ASSERT_EQ(texts.size(), 2) << "a No. that is not a number is passed over silently";
    EXPECT_TRUE(texts[0].contains("範囲外"));
}

TEST_F(TblEdit, ClipboardCutCopyPaste)
{
    QClipboard* clip = QGuiApplication::clipboard();
    Open(Numbered(8));
    e->lboxColor->selectionModel()->clearSelection();
    e->EditCopyCmd->trigger();
    EXPECT_EQ(clip->text(), "") << "copy without a selection";

    const QStringList before = Shown();
    Select(1, {1, 3});
    e->EditCutCmd->trigger();
    EXPECT_EQ(clip->text(), before[1] + "\r\n" + before[3] + "\r\n");
    EXPECT_EQ(Shown().size(), 6);
    EXPECT_EQ(e->Document().UndoList(), before);

    clip->setText("#111111 one\r\nnot a line\n#333333 three");
    Select(5);
    e->EditPasteCmd->trigger();
    EXPECT_EQ(Shown()[5], "#111111 one");
    EXPECT_EQ(Shown()[6], "#333333 three");
    EXPECT_EQ(Shown().size(), 8);

    auto* image = new QMimeData;
    image->setImageData(QImage(2, 2, QImage::Format_RGB32));
    clip->setMimeData(image);
    const QStringList now = Shown();
    e->EditPasteCmd->trigger();
    EXPECT_EQ(Shown(), now) << "a clipboard without text";
}

TEST_F(TblEdit, DropPutsTheSelectedRowsWhereTheyFall)
{
    ShowWindow();
    Open(Numbered(40));
    const QStringList before = Shown();
    EXPECT_EQ(e->lboxColorStartDrag(), app::TformTblEdit::DragCursor::Single);
    Select(0, {0, 1});
    EXPECT_EQ(e->lboxColorStartDrag(), app::TformTblEdit::DragCursor::Multiple);
    e->lboxColor->SetTopRow(10);
    e->lboxColorDragDrop(100);  // round(100 / 20) + 10 - 1 = 14 among the 38 left
    QStringList expected = before.mid(2);
    expected.insert(14, before[0]);
    expected.insert(15, before[1]);
    EXPECT_EQ(Shown(), expected);
    EXPECT_EQ(e->lboxColor->SelectedRows(), QList<int>({14, 15}));
    EXPECT_EQ(e->lboxColor->TopRow(), 10);
    EXPECT_EQ(e->Document().UndoList(), before);

    e->lboxColor->SetTopRow(0);
    Select(20);
    e->lboxColorDragDrop(0);
    EXPECT_EQ(Shown()[1], expected[20]) << "never before the first remaining row";

    // Over the list: only its own rows are taken; the edges scroll.
    EXPECT_FALSE(e->lboxColorDragOver(e->editName, 50));
    e->lboxColor->SetTopRow(5);
    const int h = e->lboxColor->viewport()->height();
    EXPECT_TRUE(e->lboxColorDragOver(e->lboxColor, h - 5));
    EXPECT_EQ(e->lboxColor->TopRow(), 6);
    e->lboxColorDragOver(e->lboxColor, h / 2);
    EXPECT_EQ(e->lboxColor->TopRow(), 6);
    e->lboxColorDragOver(e->lboxColor, 3);
    EXPECT_EQ(e->lboxColor->TopRow(), 5);
}

TEST_F(TblEdit, WheelScrollsTheListARowAStep)
{
    ShowWindow();
    Open(Numbered(50));
    auto wheel = [](QWidget* w, int delta) {
        QWheelEvent ev(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &ev);
    };
    wheel(e->lboxColor->viewport(), -120);
    EXPECT_EQ(e->lboxColor->TopRow(), 1);
    wheel(e, -240);  // on the window, away from the list
    EXPECT_EQ(e->lboxColor->TopRow(), 3);
    wheel(e->lboxColor->viewport(), 60);
    EXPECT_EQ(e->lboxColor->TopRow(), 3) << "half a step";
    wheel(e->lboxColor->viewport(), 60);
    EXPECT_EQ(e->lboxColor->TopRow(), 2);
    wheel(e->lboxColor->viewport(), 600);
    EXPECT_EQ(e->lboxColor->TopRow(), 0);
}

TEST_F(TblEdit, RowsShowASwatchAndTheSelection)
{
    ShowWindow();
    Open({"#FF0000 red", "#0000FF blue"});
    Select(1);
    const QImage img = e->lboxColor->viewport()->grab().toImage();
    const QRect r0 = e->lboxColor->visualRect(e->lboxColor->model()->index(0, 0));
    const QRect r1 = e->lboxColor->visualRect(e->lboxColor->model()->index(1, 0));
    EXPECT_EQ(img.pixelColor(r0.left() + 40, r0.top() + 5), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(r1.left() + 40, r1.top() + 5), QColor(0, 0, 255));
    EXPECT_EQ(img.pixelColor(r1.right() - 10, r1.center().y()), QColor(0x80, 0x80, 0x80)) << "selected";
    EXPECT_EQ(img.pixelColor(r0.right() - 10, r0.center().y()), e->lboxColor->palette().color(QPalette::Base));
    EXPECT_EQ(r0.height(), 20);
}

// The main window's 表示 menu: its swatch and the editor's rows show the
// colour as the deficiency sees it (severity 1 of Machado, Oliveira and
// Fernandes 2009, worked by hand from the published matrices), the code
// stays true; the editor's check lists the pairs whose simulated colours
// differ by less than ΔE00 5, all three deficiencies under normal vision.
TEST_F(TblEdit, ColourVisionViewPaintsSwatchesAndFindsLookAlikePairs)
{
    ShowWindow();
    Open({"#FF0000 red", "#6D5F00 olive", "#0000FF blue", "#FFFFFF white", "#A39000 ochre"});
    app::TformMain* w = windows->formMain.get();
    w->SetCurRGB(0xFF0000);
    const QString protanPair = "No. 1 red – No. 2 olive: ΔE00 1.1（1型色覚）";  // 6D5F00 and 6A5C00
    const QString deutanPair = "No. 1 red – No. 5 ochre: ΔE00 1.2（2型色覚）";  // A39000 and A59315
    const struct {
        const char* view;
        QColor redShown;
        QStringList pairs;
    } rows[] = {
        {"ViewProtan1", QColor(0x6D, 0x5F, 0x00), {protanPair}},
        {"ViewDeutan1", QColor(0xA3, 0x90, 0x00), {deutanPair}},
        {"ViewTritan1", QColor(0xFF, 0x00, 0x0F), {}},
        {"ViewNormal1", QColor(0xFF, 0x00, 0x00), {protanPair, deutanPair}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.view);
        test::Child<QAction>(w, row.view)->trigger();
        const QImage panel = test::Child<platform::ColorPanel>(w, "Panel1")->grab().toImage();
        EXPECT_EQ(panel.pixelColor(panel.rect().center()), row.redShown);
        EXPECT_EQ(test::Child<QLineEdit>(w, "editRGBHEX")->text(), "FF0000");
        const QImage list = e->lboxColor->viewport()->grab().toImage();
        const QRect first = e->lboxColor->visualRect(e->lboxColor->model()->index(0, 0));
        EXPECT_EQ(list.pixelColor(first.left() + 40, first.top() + 5), row.redShown);

        dialogs.messages.clear();
        test::Child<QAction>(e, "CheckLookAlike1")->trigger();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].kind, platform::MsgKind::Information);
        const QStringList lines = dialogs.messages[0].text.split('\n');
        EXPECT_EQ(lines.filter(QRegularExpression("^No\\. ")), row.pairs);
    }
}

TEST_F(TblEdit, SortingByTheMenuAndUndoingIt)
{
    const QStringList lines = {"#ff8000 Orange", "#000000 Black", "#FFFFFF White x"};
    Open(lines);
    e->RGBD->trigger();
    EXPECT_TRUE(e->RGBD->isChecked());
    EXPECT_FALSE(e->RGBU->isChecked());
    EXPECT_EQ(Shown(), QStringList({"#FFFFFF White x", "#FF8000 Orange", "#000000 Black"}));
    EXPECT_EQ(e->StatusPanel->text(), "変更");
    e->EditUndoCmd->trigger();
    EXPECT_EQ(Shown(), lines);
}

TEST_F(TblEdit, SaveQuestionsAndTheirAnswers)
{
    const QString path = Open({"#000001 a"});
    Select(0);
    e->EditInsertCmd->trigger();

    dialogs.answers = {kCancel};
    e->FileNewCmd->trigger();
    EXPECT_EQ(Shown().size(), 2) << "Cancel abandons new";
    EXPECT_EQ(dialogs.messages.back().text, "t.tab への変更を保存しますか？");
    EXPECT_EQ(dialogs.messages.back().caption, "確認");

    dialogs.answers = {kCancel};
    EXPECT_FALSE(e->close()) << "Cancel keeps the window open, shown or hidden";

    dialogs.answers = {kYes};
    e->FileNewCmd->trigger();
    EXPECT_EQ(Read(path), "#FFFFFF 0\r\n#000001 a\r\n");
    EXPECT_TRUE(Shown().isEmpty());
    EXPECT_EQ(e->editRGBHEX->text(), "0");
    EXPECT_EQ(e->SpinEditNo->Text(), "0");
    EXPECT_EQ(e->windowTitle(), "[*]t.tab - Color Table Editor") << "new keeps the file";
    EXPECT_EQ(e->Panel2->color(), 0xFFFFFFu) << "and the stored colour";

    e->FileSaveCmd->trigger();
    EXPECT_EQ(Read(path), "") << "a plain save after new writes the empty table to the file";

    // No: the operation goes on, the changes are dropped.
    Open({"#000001 a"});
    Select(0);
    e->EditInsertCmd->trigger();
    dialogs.answers = {kNo};
    dialogs.openPaths = {Write("u.tab", "#000009 z\r\n")};
    e->FileOpenCmd->trigger();
    EXPECT_EQ(Shown(), QStringList({"#000009 z"}));
    EXPECT_EQ(dialogs.openOptions.back().filter, table::TblOpenFilter());
    EXPECT_EQ(Read(path), "#000001 a\r\n");
}

TEST_F(TblEdit, YesThenCancellingTheSaveDialogKeepsTheChanges)
{
    e->EditInsertCmd->trigger();  // an untitled table with a change
    ASSERT_TRUE(e->Document().TblModified());
    dialogs.answers = {kYes};  // save … and then cancel the file dialog
    e->FileNewCmd->trigger();
    EXPECT_EQ(Shown(), QStringList({"#FFFFFF 0"}));
    EXPECT_TRUE(e->Document().TblModified());
    dialogs.answers = {kYes};
    EXPECT_FALSE(e->close());
    EXPECT_TRUE(e->Document().TblModified());
}

TEST_F(TblEdit, SavingUnderANameAsksWhereItMust)
{
    // Untitled: the plain save asks for a name; cancelling it within the
    // close question keeps the window and its changes.
    e->editRGBHEX->setText("FFFFFF");
    e->EditAddCmd->trigger();
    dialogs.answers = {kYes};
    EXPECT_FALSE(e->close());
    ASSERT_EQ(dialogs.saveOptions.size(), 1u);
    EXPECT_EQ(dialogs.saveOptions[0].filter, table::TblSaveFilter());
    EXPECT_EQ(dialogs.saveOptions[0].defaultExt, "tab");

    // Over an existing file: only Yes writes.
    const QString existing = Write("old.tab", "#ABCDEF keep\r\n");
    for (int answer : {kNo, kCancel}) {
        dialogs.savePaths = {existing};
        dialogs.answers = {answer};
        e->FileSaveAsCmd->trigger();
        EXPECT_EQ(Read(existing), "#ABCDEF keep\r\n");
        EXPECT_EQ(e->windowTitle(), "[*]無題 - Color Table Editor");
    }
    EXPECT_EQ(dialogs.messages.back().text, "old.tab は既に存在します。上書きしますか？");
    dialogs.savePaths = {existing};
    dialogs.answers = {kYes};
    e->FileSaveAsCmd->trigger();
    EXPECT_EQ(Read(existing), "#FFFFFF CN0001\r\n");
    EXPECT_EQ(e->windowTitle(), "[*]old.tab - Color Table Editor");
    EXPECT_EQ(e->StatusPanel->text(), "");

    // A .cgd name is refused (colour guides are only read): nothing is
    // written, the table keeps its name, and a plain save writes it there.
    const QString cgd = dir.filePath("guide.cgd");
    dialogs.savePaths = {cgd};
    e->FileSaveAsCmd->trigger();
    EXPECT_FALSE(QFile::exists(cgd));
    EXPECT_TRUE(dialogs.messages.back().text.contains("読み込み専用")) << dialogs.messages.back().text.toStdString();
    EXPECT_EQ(e->windowTitle(), "[*]old.tab - Color Table Editor");
    e->FileSaveCmd->trigger();
    EXPECT_EQ(dialogs.saveOptions.size(), 5u);
}

// A swatch file has no room for comments: saving as .aco says how many
// entries lose theirs, and No saves nothing.
TEST_F(TblEdit, SavingCommentsAsASwatchAsksFirst)
{
    Open({"#FF0000 Red warm", "#00FF00 Green", "#0000FF Blue deep"});
    const QString aco = dir.filePath("x.aco");
    for (int answer : {kNo, kYes}) {
        dialogs.savePaths = {aco};
        dialogs.answers = {answer};
        e->FileSaveAsCmd->trigger();
        EXPECT_TRUE(dialogs.messages.back().text.contains("コメントのある 2 色")) << answer;
        EXPECT_EQ(QFile::exists(aco), answer == kYes);
    }
    dialogs.messages.clear();
    Open({"#FF0000 Red", "#00FF00 Green"});
    dialogs.savePaths = {aco};
    dialogs.answers = {kYes};  // the overwrite question
    e->FileSaveAsCmd->trigger();
    EXPECT_EQ(dialogs.TakeTexts(), QStringList{"x.aco は既に存在します。上書きしますか？"});
}

// A newly opened table has no current or selected row: Shift+Del right
// after opening deletes nothing.
TEST_F(TblEdit, OpeningLeavesNoRowSelected)
{
    ShowWindow();
    Open({"#000001 a", "#000002 b"});
    EXPECT_TRUE(e->lboxColor->SelectedRows().isEmpty());
    e->lboxColor->setFocus();
    QTest::keyClick(e->lboxColor, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(Shown(), QStringList({"#000001 a", "#000002 b"}));
    EXPECT_FALSE(e->Document().TblModified());
}

// The keys move the current row with its selection, keep it in view and
// show its entry.
TEST_F(TblEdit, KeysMoveTheCurrentRow)
{
    ShowWindow();
    Open(Numbered(40));
    Select(0);
    e->lboxColor->setFocus();
    const struct {
        Qt::Key key;
        int row;
    } steps[] = {{Qt::Key_Down, 1}, {Qt::Key_End, 39}, {Qt::Key_Up, 38}, {Qt::Key_Home, 0}, {Qt::Key_PageDown, -1}};
    for (const auto& s : steps) {
        QTest::keyClick(e->lboxColor, s.key);
        const int row = e->lboxColor->CurrentRow();
        if (s.row >= 0) {
            EXPECT_EQ(row, s.row) << s.key;
        }
        EXPECT_GT(row, s.key == Qt::Key_PageDown ? 1 : -1);
        EXPECT_EQ(e->lboxColor->SelectedRows(), QList<int>{row}) << s.key;
        const QRect shown = e->lboxColor->visualRect(e->lboxColor->model()->index(row, 0));
        EXPECT_TRUE(shown.top() >= 0 && shown.bottom() < e->lboxColor->viewport()->height()) << s.key;
        EXPECT_EQ(e->SpinEditNo->Text(), QString::number(row + 1)) << s.key;
    }
}

TEST_F(TblEdit, FailuresAreShownAndChangeNothing)
{
    const QString path = Open({"#000001 a"});
    Select(0);
    e->EditInsertCmd->trigger();
    // A save into a folder that does not exist.
    dialogs.savePaths = {dir.filePath("no/such/folder/x.tab")};
    e->FileSaveAsCmd->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, platform::MsgKind::Error);
    EXPECT_EQ(e->StatusPanel->text(), "変更");
    EXPECT_EQ(e->windowTitle(), "[*]t.tab - Color Table Editor");
    // A failed save in the close question keeps the window open.
    dialogs.messages.clear();
    QFile::remove(path);
    QDir().mkdir(path);  // the table's file is now a folder
    dialogs.answers = {kYes};
    EXPECT_FALSE(e->close());
    EXPECT_EQ(dialogs.messages.back().kind, platform::MsgKind::Error);
    // A file that is not there.
    dialogs.openPaths = {dir.filePath("missing.tab")};
    dialogs.answers = {kNo};
    e->FileOpenCmd->trigger();
    EXPECT_EQ(Shown(), QStringList({"#FFFFFF 0", "#000001 a"}));
    // A swatch file that ends early: the colours read, and a warning.
    const QByteArray aco = QByteArray::fromHex(
        "0001"
        "0003"
        "0000 ff00 8000 0000 0000"
        "0000 0000");
    dialogs.messages.clear();
    e->TblFileRead(Write("short.aco", aco));
    EXPECT_EQ(Shown(), QStringList({"#FF8000 "}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "警告");
}

TEST_F(TblEdit, LogConversionKeepsFileAndSnapshotAndAsksFirst)
{
    // An unchanged table: no question, and the result counts as modified.
    Open({"#000001 a"});
    dialogs.openPaths = {Write("a.log", "RGB=#123456 HSV=1,2,3\r\n")};
    e->LogToTab1->trigger();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(e->StatusPanel->text(), "変更");

    Open({"#000001 a"});
    e->EditAddCmd->trigger();
    const QStringList snapshot = e->Document().UndoList();
    // Unsaved changes are asked about before the list is replaced.
    dialogs.answers = {kCancel};
    e->LogToTab1->trigger();
    EXPECT_EQ(Shown().size(), 2) << "Cancel keeps the table";
    EXPECT_EQ(dialogs.messages.back().caption, "確認");
    dialogs.answers = {kNo};
    dialogs.openPaths = {Write("c.log", "RGB=#FF8000 CMYK=0,127,255,0\r\nRGB=#00FF00\r\n")};
    e->LogToTab1->trigger();
    EXPECT_EQ(dialogs.openOptions.back().filter, table::LogOpenFilter());
    EXPECT_EQ(Shown(), QStringList({"#FF8000 CN0000 CMYK=0,127,255,0", "#00FF00 CN0001 "}));
    EXPECT_EQ(e->editName->text(), "CN0000");
    EXPECT_EQ(e->Label1->text(), "  ■ t 2色");
    EXPECT_EQ(e->windowTitle(), "[*]t.tab - Color Table Editor");
    EXPECT_EQ(e->Document().UndoList(), snapshot);
    EXPECT_EQ(e->StatusPanel->text(), "変更");

    dialogs.openPaths = {Write("empty.log", "")};
    e->ToolButton1->click();
    EXPECT_EQ(e->Label1->text(), "  ■ t 0色");
    EXPECT_EQ(Shown().size(), 2);
}

// Generated tables replace the list with a new untitled one (rows as
// qolvar-cli's harmony and gradient give them, checked there by an
// independent calculation); a bad count or too few rows change nothing.
TEST_F(TblEdit, GenerateMakesANewTableFromTheColourOrTheSelectedRows)
{
    Open({"#000000 black", "#808080 grey", "#FFFFFF white"});
    Select(0);
    e->editRGBHEX->setText("336699");
    e->editRGBHEXChange();
    test::Child<QAction>(e, "GenComplementary1")->trigger();
    EXPECT_EQ(Shown(), QStringList({"#336699 CN0001", "#865815 CN0002"}));
    EXPECT_EQ(e->StatusPanel->text(), "変更");
    EXPECT_EQ(e->Document().File().TblFileName, table::Untitled);

    Open({"#000000 black", "#808080 grey", "#FFFFFF white"});
    Select(0, {0, 2});
    dialogs.texts = {"1001"};
    test::Child<QAction>(e, "GenGradient1")->trigger();
    EXPECT_EQ(Shown().size(), 3) << "a bad count changes nothing";
    dialogs.texts = {"3"};
    test::Child<QAction>(e, "GenGradient1")->trigger();
    EXPECT_EQ(Shown(), QStringList({"#000000 CN0001", "#636363 CN0002", "#FFFFFF CN0003"}));
    Select(1);
    const auto warnings = dialogs.messages.size();
    test::Child<QAction>(e, "GenGradient1")->trigger();
    EXPECT_EQ(dialogs.messages.size(), warnings + 1) << "one row is no gradient";

    // An image of six red, three green and one blue pixel has those colours
    // in those shares.
    QImage image(10, 1, QImage::Format_RGB32);
    for (int x = 0; x < 10; ++x) image.setPixel(x, 0, x < 6 ? 0xFFFF0000 : x < 9 ? 0xFF00FF00 : 0xFF0000FF);
    const QString png = dir.filePath("three.png");
    ASSERT_TRUE(image.save(png));
    Open({"#000000 black"});
    dialogs.openPaths = {png};
    dialogs.texts = {"3"};
    test::Child<QAction>(e, "GenFromImage1")->trigger();
    EXPECT_EQ(Shown(), QStringList({"#FF0000 60.0%", "#00FF00 30.0%", "#0000FF 10.0%"}));
}

TEST_F(TblEdit, ColourPickTakesThePixelUnderThePointer)
{
    FixedScreen screen;
    platform::SetScreenReader(&screen);
    ShowWindow();
    Open({"#000001 a"});
    screen.pixel = CodeToColor(0x336699);
    QTest::mousePress(e->ToolButton2, Qt::LeftButton);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->hotSpot(), QPoint(10, 23));
    const QPoint away(-30, 40);  // off the button
    QTest::mouseRelease(e->ToolButton2, Qt::LeftButton, {}, away);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(screen.reads.back(), e->ToolButton2->mapToGlobal(away));
    EXPECT_EQ(e->editRGBHEX->text(), "336699");
    EXPECT_EQ(e->SpinEditRGB2->Text(), "102");
    EXPECT_EQ(Shown(), QStringList({"#000001 a"}));

    // A plain click on the button, as in the main window, and Space on the
    // focused button start the pick mode; Enter there takes the pixel under
    // the magnifier.
    const struct {
        const char* what;
        std::function<void()> start;
        TColor pixel;
    } starts[] = {
        {"click", [&] { QTest::mouseClick(e->ToolButton2, Qt::LeftButton); }, 0x00FF80},
        {"Space",
         [&] {
             e->ToolButton2->setFocus();
             QTest::keyClick(e->ToolButton2, Qt::Key_Space);
         },
         0x8000FF},
    };
    for (const auto& c : starts) {
        screen.pixel = CodeToColor(c.pixel);
        c.start();
        auto* session = e->findChild<app::PickSession*>("formPickMode");
        ASSERT_NE(session, nullptr) << c.what;
        QTest::keyClick(session, Qt::Key_Return);
        EXPECT_EQ(e->editRGBHEX->text(), app::HexText(c.pixel)) << c.what;
        QTest::qWait(0);  // the finished session goes
    }

    EXPECT_EQ(Shown(), QStringList({"#000001 a"}));

    screen.pixel.reset();  // unreadable, and no desktop picker either
    QTest::mousePress(e->ToolButton2, Qt::LeftButton);
    QTest::mouseRelease(e->ToolButton2, Qt::LeftButton, {}, away);
    EXPECT_EQ(dialogs.TakeTexts(), QStringList({QString::fromUtf8(platform::kPickFailedMessage)}));
    EXPECT_EQ(e->editRGBHEX->text(), "8000FF");
    platform::SetScreenReader(nullptr);
}

TEST_F(TblEdit, HelpAndTheMainWindowsCommand)
{
    test::Child<QAction>(windows->formMain.get(), "TableEditCmd")->trigger();
    EXPECT_TRUE(e->isVisible());
    dialogs.shellResult = 2;
    e->Tutorial1->trigger();
    EXPECT_TRUE(dialogs.opened.back().contains("TableEdit.chm") || dialogs.opened.back().contains("tableedit"));
    EXPECT_EQ(dialogs.TakeTexts(), QStringList({app::HelpFailureText(dialogs.opened.back())}));
    dialogs.shellResult = 42;
    e->Tutorial1->trigger();
    EXPECT_TRUE(dialogs.messages.empty());
    e->FileExitCmd->trigger();
    EXPECT_FALSE(e->isVisible());
}

}  // namespace
