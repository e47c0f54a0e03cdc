// Writes a screenshot of the main window for each model page after a
// refresh of one colour, of the log viewer, the table editor and the about
// box, for looking at the windows by eye and for the README:
//   qolvar-screenshots OUT_DIR [RRGGBB]
// Run it on a display (xvfb-run on a machine without one).
#include <QDir>
#include <QPixmap>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

#include "application.h"
#include "colour/codes.h"
#include "mainwindow/aboutbox.h"
#include "mainwindow/logviewer.h"
#include "mainwindow/mainwindow.h"
#include "pages/page_cmyk.h"
#include "pages/page_video.h"
#include "platform/settings.h"
#include "tableeditor/tbledit.h"
#include "tableeditor/tbllist.h"
#include "widgets/files.h"
#include "windows.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("usage: qolvar-screenshots OUT_DIR [RRGGBB]\n", stderr);
        return 2;
    }
    qolvar::app::QolvarApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    // Settings of its own, so the user's are never touched.
    qolvar::platform::SetSettingsFile(out + QStringLiteral("/settings.ini"));
    auto windows = qolvar::app::CreateWindows();
    auto* w = windows.formMain.get();
    w->show();
    if (!QTest::qWaitForWindowExposed(w)) std::fprintf(stderr, "the window was not shown\n");
    w->SetCurRGB(argc > 2 ? qolvar::HexToCode(argv[2]) : 0x336699);
    for (int page = 0; page < w->findChild<QTabWidget*>("PageControl1")->count(); ++page) {
        w->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(page);
        w->BitBtn1Click();
        QTest::qWait(100);
        const QString file = out + QStringLiteral("/page%1.png").arg(page);
        if (!w->grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    // The VIDEO page by a studio standard: YCbCr in BT.709 10-bit codes and
    // YPbPr with its decimals.
    w->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(3);
    if (auto* video = w->findChild<qolvar::app::VideoPage*>()) {
        video->SetStandard(2, 0, 10);
        for (int mode : {qolvar::app::VideoPage::kYCbCr, qolvar::app::VideoPage::kYPbPr}) {
            video->RadioGroupYx1x2->findChildren<QRadioButton*>()[mode]->click();
            QTest::qWait(100);
            w->grab().save(out + QStringLiteral("/page3-bt709-%1.png").arg(mode));
        }
        video->SetStandard(0, 0, 8);
    }
    // The CMYK page through a press profile, when one is installed.
    w->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(2);
    if (auto* cmyk = w->findChild<qolvar::app::CMYKPage*>();
        cmyk && !cmyk->SetProfile(QStringLiteral("/usr/share/color/icc/ghostscript/default_cmyk.icc"), 1, true)) {
        w->BitBtn1Click();
        QTest::qWait(100);
        w->grab().save(out + QStringLiteral("/page2-profile.png"));
        cmyk->SetProfile(QString(), 1, false);
    }
    windows.formLogViewer->show();
    QTest::qWait(100);
    windows.formLogViewer->grab().save(out + QStringLiteral("/log.png"));
    // The table editor with the shipped web colours open, a row chosen.
    auto* editor = windows.formTblEdit.get();
    editor->show();
    editor->TblFileRead(w->ExeDir() + QStringLiteral("/Table/Web標準色.tab"));
    editor->lboxColor->SetCurrentRow(9);
    editor->ShowCurEntry();
    QTest::qWait(100);
    editor->grab().save(out + QStringLiteral("/editor.png"));
    qolvar::app::TAboutBox about(w);
    about.show();
    QTest::qWait(100);
    about.grab().save(out + QStringLiteral("/about.png"));
    return 0;
}
