// Shared pieces of the model page tests: a started program on a chosen page,
// setting the current colour, refreshing, typing and reading the log.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include "colour/codes.h"
#include "fixture.h"
#include "mainwindow/logviewer.h"
#include "mainwindow/mainwindow.h"
#include "platform/colorpanel.h"
#include "platform/spinedit.h"

// Readable QStrings in the failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '[' << l.join(QStringLiteral("|")).toStdString() << ']';
}

namespace qolvar::test {

class PageTest : public WidgetTest {
protected:
    // Starts the program with the page of the given tab index active; the
    // boxes of start-up (a missing colour table) are forgotten.
    void StartOn(int pageIndex)
    {
        Start();
        w = windows->formMain.get();
        w->show();
        ShowPage(w, pageIndex);
        dialogs.messages.clear();
        dialogs.beeps = 0;
    }
    // Makes a colour current as the colour dialog does (no page refresh).
    void SetColour(RGBCode rgb) { w->SetCurRGB(rgb); }
    // Presses the refresh button.
    void Refresh() { QTest::mouseClick(test::Child<QPushButton>(w, "BitBtn1"), Qt::LeftButton); }
    // The colour shown by the result swatch.
    RGBCode Result() const { return ColorToCode(test::Child<platform::ColorPanel>(w, "Panel2")->color()); }
    QStringList LogLines() const
    {
        QStringList lines = windows->formLogViewer->LogText().split(QStringLiteral("\r\n"));
        while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
        return lines;
    }
    QString LastLog() const
    {
        const QStringList lines = LogLines();
        return lines.isEmpty() ? QString() : lines.back();
    }
    // Replaces an edit's whole text at once, as pasting over it does.
    static void Paste(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        edit->insert(text);
    }
    // Replaces an edit's text by typing it key by key.
    static void Type(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }
    static void Type(platform::SpinEdit* spin, const QString& text)
    {
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(spin, Qt::Key_Delete);
        else
            QTest::keyClicks(spin, text);
    }
    // Picks an item of a combo box as the user does from its list.
    static void Choose(QComboBox* box, int index)
    {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    // No control of the page lies under the result swatch or its code panel,
    // which the main window shows over the top-left corner of every page.
    void ExpectClearOfTheResultSwatch(QWidget* page) const
    {
        const QRect covered[] = {test::Child<platform::ColorPanel>(w, "Panel2")->geometry(),
                                 test::Child<QWidget>(w, "Panel3")->geometry()};
        for (QWidget* c : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            const QRect r(c->mapTo(w->centralWidget(), QPoint(0, 0)), c->size());
            for (const QRect& k : covered)
                EXPECT_FALSE(r.intersects(k)) << c->objectName().toStdString() << " at " << r.x() << "," << r.y();
        }
    }
    // What the status bar says about a typed value ("" when nothing).
    QString Problem() const { return test::Child<QStatusBar>(w, "StatusBarMain")->currentMessage(); }
    static QString Hex(RGBCode rgb) { return QString::fromStdString(CodeToHex(rgb)); }

    app::TformMain* w = nullptr;
};

}  // namespace qolvar::test
