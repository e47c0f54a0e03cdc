// A seeded random walk of user actions over both windows: typing into every
// field, every page, mode, check box and combo box, the colour field and the
// strip, the RGB section, the drop-down, the editor's operations and its
// files in a folder of the test's own. After every action the windows must
// be in a consistent state. QOLVAR_SOAK_ACTIONS sets the length of the walk
// and QOLVAR_SOAK_SEED its seed; the rate is printed at the end.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <functional>
#include <random>

#include "colour/munsell_renotation.h"
#include "fixture.h"
#include "mainwindow/logviewer.h"
#include "mainwindow/mainwindow.h"
#include "pages/huefield.h"
#include "pages/page_cmyk.h"
#include "pages/page_video.h"
#include "picking/imagepick.h"
#include "tableeditor/tbledit.h"
#include "widgets/winhelpers.h"

using namespace qolvar;

namespace {

long EnvNumber(const char* name, long fallback)
{
    const QByteArray v = qgetenv(name);
    bool ok = false;
    const long n = v.toLong(&ok);
    return ok ? n : fallback;
}

class Soak : public test::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        Start();
        w = windows->formMain.get();
        e = windows->formTblEdit.get();
        w->show();
        e->show();
        rng.seed(static_cast<unsigned>(EnvNumber("QOLVAR_SOAK_SEED", 20261208)));
        // Both windows' typable fields and switches, found as a user finds
        // them on the screen.
        for (QWidget* window : {static_cast<QWidget*>(w), static_cast<QWidget*>(e)}) {
            for (auto* edit : window->findChildren<QLineEdit*>())
                if (!edit->parent()->inherits("QAbstractSpinBox") && !edit->parent()->inherits("QComboBox"))
                    edits << edit;
            spins << window->findChildren<platform::SpinEdit*>();
            radios << window->findChildren<QRadioButton*>();
            checks << window->findChildren<QCheckBox*>();
            sliders << window->findChildren<QSlider*>();
        }
        combos << w->findChildren<QComboBox*>();
        paintBoxes << w->findChildren<app::PaintBox*>();
        // A picture for the image viewer: R = 20x, G = 25y, B = 255 where
        // x + y is odd.
        QImage picture(12, 9, QImage::Format_RGB32);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 12; ++x) picture.setPixel(x, y, qRgb(20 * x, 25 * y, (x + y) % 2 ? 255 : 0));
        picturePath = dir.filePath("picture.png");
        picture.save(picturePath);
        tabs = test::Child<QTabWidget>(w, "PageControl1");
        hex = test::Child<QLineEdit>(w, "editRGBHEX");
    }

    QString RandomText()
    {
        static const char* const samples[] = {
            "",       "-",
            "0",      "255",
            "-1",     "300",
            "1e999",  "12.5",
            "0.3127", "abc",
            "FF8000", "#ff8000",
            "12345G", "日本語",
            "5R",     "7.5PB",
            "N",      "10RP",
            "Q",      " 42 ",
            "12\n34", "99999999999999999999",
            "-0.0",   "nan",
        };
        if (Pick(4) == 0) return QString::number(static_cast<int>(Pick(600)) - 200);
        return QString::fromUtf8(samples[Pick(std::size(samples))]);
    }
    std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); }

    void TypeInto(QWidget* field, const QString& text)
    {
        if (auto* edit = qobject_cast<QLineEdit*>(field)) {
            edit->selectAll();
            edit->insert(text);  // as pasting over it does
            if (edit == hex) QTest::keyClick(edit, Qt::Key_Return);
        } else if (auto* spin = qobject_cast<platform::SpinEdit*>(field)) {
            spin->setText(text);
        }
    }

    // One action of the user, chosen at random.
    QString Act()
    {
        switch (Pick(14)) {
        case 0:
        case 1: {
            QLineEdit* edit = edits[static_cast<qsizetype>(Pick(edits.size()))];
            const QString text = RandomText();
            TypeInto(edit, text);
            return "type '" + text + "' into " + edit->objectName();
        }
        case 2:
        case 3: {
            platform::SpinEdit* spin = spins[static_cast<qsizetype>(Pick(spins.size()))];
            const QString text = RandomText();
            TypeInto(spin, text);
            return "type '" + text + "' into " + spin->objectName();
        }
        case 4: {
            const int page = static_cast<int>(Pick(5));
            test::ShowPage(w, page);
            QTest::mouseClick(test::Child<QWidget>(w, "BitBtn1"), Qt::LeftButton);
            return QStringLiteral("refresh page %1").arg(page);
        }
        case 5: {
            QRadioButton* r = radios[static_cast<qsizetype>(Pick(radios.size()))];
            r->click();
            return "click " + r->objectName();
        }
        case 6: {
            QCheckBox* c = checks[static_cast<qsizetype>(Pick(checks.size()))];
            c->click();
            return "click " + c->objectName();
        }
        case 7: {
            QComboBox* box = combos[static_cast<qsizetype>(Pick(combos.size()))];
            if (box->count() == 0) return "empty " + box->objectName();
            const int index = static_cast<int>(Pick(static_cast<std::size_t>(box->count())));
            // "Other…" of the CMYK profiles: a CMYK profile, one of another
            // kind, a missing file, or cancelled.
            if (box->objectName() == QLatin1String("cboxCMYKProfile"))
                dialogs.openPaths = {QStringList{QStringLiteral("/usr/share/color/icc/ghostscript/default_cmyk.icc"),
                                                 QStringLiteral("/usr/share/color/icc/ghostscript/srgb.icc"),
                                                 dir.filePath("missing.icc"),
                                                 QString()}[static_cast<qsizetype>(Pick(4))]};
            box->setCurrentIndex(index);
            emit box->activated(index);
            return QStringLiteral("choose %1 of ").arg(index) + box->objectName();
        }
        case 8: {
            QSlider* s = sliders[static_cast<qsizetype>(Pick(sliders.size()))];
            s->setValue(static_cast<int>(Pick(256)));
            return "slide " + s->objectName();
        }
        case 9: {
            tabs->setCurrentIndex(1);
            app::PaintBox* box = paintBoxes[static_cast<qsizetype>(Pick(paintBoxes.size()))];
            const QPoint from(static_cast<int>(Pick(400)) - 20, static_cast<int>(Pick(300)) - 20);
            const QPoint to(static_cast<int>(Pick(400)) - 20, static_cast<int>(Pick(300)) - 20);
            QTest::mousePress(box, Qt::LeftButton, {}, from);
            QTest::mouseMove(box, to);
            QTest::mouseRelease(box, Qt::LeftButton, {}, to);
            return "drag on " + box->objectName();
        }
        case 10: {
            // Copying the colour (a template typed at random may be refused),
            // live conversion on and off.
            static const char* const commands[] = {
                "EditCopyCmd", "CopyHex1",    "CopyRGB1",    "CopyHSL1",    "CopyHWB1",      "CopyLab1",
                "CopyLCh1",    "CopyOkLab1",  "CopyOkLCh1",  "CopyP31",     "CopyTemplate1", "CopyTemplateEdit1",
                "LiveConv1",   "ViewNormal1", "ViewProtan1", "ViewDeutan1", "ViewTritan1",   "UseMonitorProfile1"};
            const char* command = commands[Pick(std::size(commands))];
            dialogs.texts = {RandomText()};
            test::Child<QAction>(w, command)->trigger();
            return QString::fromLatin1(command);
        }
        case 11: return PickAct();
        default: return EditorAct();
        }
    }

    // The averaging square, and the image viewer: opened, keys pressed in it.
    QString PickAct()
    {
        if (Pick(4) == 0) {
            const QString name = QStringLiteral("actPickAverage%1").arg(2 * Pick(4) + 1);
            test::Child<QAction>(w, name.toLatin1().constData())->trigger();
            return name;
        }
        auto* viewer = w->findChild<app::ImagePickWindow*>("formImagePick");
        if (!viewer) {
            dialogs.openPaths = {picturePath};
            test::Child<QAction>(w, "actPickImage")->trigger();
            return QStringLiteral("open the image viewer");
        }
        static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                                       Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Return, Qt::Key_Escape};
        const Qt::Key key = keys[Pick(std::size(keys))];
        const Qt::KeyboardModifiers mods = Pick(2) ? Qt::ShiftModifier : Qt::NoModifier;
        QTest::keyClick(test::Child<QWidget>(viewer, "imageView"), key, mods);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return QStringLiteral("key %1 in the image viewer").arg(key);
    }

    QString EditorAct()
    {
        static const char* const commands[] = {"EditUndoCmd",
                                               "EditCutCmd",
                                               "EditCopyCmd",
                                               "EditPasteCmd",
                                               "EditDeleteCmd",
                                               "EditInsertCmd",
                                               "EditAddCmd",
                                               "EditReplaceCmd",
                                               "RGBU",
                                               "HD",
                                               "SU",
                                               "VD",
                                               "FileNewCmd",
                                               "FileOpenCmd",
                                               "FileSaveCmd",
                                               "FileSaveAsCmd",
                                               "GenComplementary1",
                                               "GenTetradic1",
                                               "GenTones1",
                                               "GenGradient1",
                                               "CheckLookAlike1",
                                               "select"};
        const char* command = commands[Pick(std::size(commands))];
        // File dialogs and questions answer from the test's own folder.
        static const char* const extensions[] = {"tab", "aco", "ase"};
        const QString file =
            dir.filePath(QStringLiteral("soak%1.%2").arg(Pick(3)).arg(extensions[Pick(std::size(extensions))]));
        dialogs.openPaths = {file};
        dialogs.savePaths = {file};
        if (Pick(5) == 0) QGuiApplication::clipboard()->setText(RandomText() + "\n#123456 pasted x\n");
        if (QString::fromLatin1(command) == "select") {
            if (e->Document().Count() > 0) {
                const int row = static_cast<int>(Pick(static_cast<std::size_t>(e->Document().Count())));
                QTest::mouseClick(e->lboxColor->viewport(), Qt::LeftButton, {},
                                  e->lboxColor->visualRect(e->lboxColor->model()->index(row, 0)).center());
            }
            return "select a row";
        }
        test::Child<QAction>(e, command)->trigger();
        return QString::fromLatin1(command) + " " + file;
    }

    // What must hold after every action.
    void Check(const QString& action)
    {
        const RGBCode rgb = w->CurRGB();
        ASSERT_FALSE(w->InUpdate()) << action.toStdString();
        ASSERT_FALSE(e->InTblUpdate) << action.toStdString();
        const char* tracks[] = {"TrackBarRGB3", "TrackBarRGB2", "TrackBarRGB1"};
        auto spin = [&](const char* name) { return test::Child<platform::SpinEdit>(w, name); };
        // The spin edits hold the channels, unless one of them holds text
        // that is no integer yet (then typing in the others changes nothing).
        const auto typed = app::RGBOfSpins(spin("SpinEditRGB3"), spin("SpinEditRGB2"), spin("SpinEditRGB1"));
        // Track bars and spin edits show the low three bytes.
        for (int i = 0; i < 3; ++i) {
            const int byte = static_cast<int>((rgb >> (16 - 8 * i)) & 0xFF);
            ASSERT_EQ(test::Child<QSlider>(w, tracks[i])->value(), byte) << action.toStdString();
        }
        if (typed) {
            ASSERT_EQ(*typed, rgb & 0xFFFFFF) << action.toStdString();
        }
        ASSERT_EQ(ColorToCode(test::Child<platform::ColorPanel>(w, "Panel1")->color()), rgb & 0xFFFFFF)
            << action.toStdString();
        // The hexadecimal field shows the colour, unless it holds text that is
        // no code: then it is marked and the status bar says so.
        if (app::FieldMarked(hex)) {
            ASSERT_FALSE(ReadTypedHex(hex->text().toStdString())) << action.toStdString();
            ASSERT_FALSE(test::Child<QStatusBar>(w, "StatusBarMain")->currentMessage().isEmpty());
        } else {
            ASSERT_EQ(app::HexOf(hex->text()), rgb) << action.toStdString();
        }
        // Eight digits where eight were typed into the field: all 32 bits
        // stay in the current colour.
        static const QRegularExpression line(QStringLiteral("^RGB=#[0-9A-F]{6}([0-9A-F]{2})? \\S.*$"));
        const QString text = windows->formLogViewer->LogText();
        if (text.size() != checkedLog_) {
            for (const QString& l : text.mid(checkedLog_).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
                ASSERT_TRUE(line.match(l).hasMatch()) << l.toStdString() << " after " << action.toStdString();
            checkedLog_ = text.size();
        }
        ASSERT_EQ(e->lboxColor->model()->rowCount(), e->Document().Count()) << action.toStdString();
        // The Munsell method shown is the one in use.
        ASSERT_EQ(test::Child<QComboBox>(w, "ComboBoxHVCMethod")->currentIndex(),
                  static_cast<int>(w->Conditions().method))
            << action.toStdString();
        // The video fields hold decimals exactly when they show Y'PbPr by a
        // studio standard, and a code of the chosen depth fits their range.
        {
            const auto* video = w->findChild<app::VideoPage*>();
            const bool decimals = video->Standard() && video->ModeIndex() == app::VideoPage::kYPbPr;
            ASSERT_EQ(video->SpinEditYx1x23->decimals(), decimals ? 3 : 0) << action.toStdString();
            if (video->Standard() && video->ModeIndex() == app::VideoPage::kYCbCr) {
                ASSERT_EQ(video->SpinEditYx1x23->maxValue(), (1 << video->Bits()) - 1) << action.toStdString();
            }
        }
        // The CMYK fields count hundredths of a percent exactly when a
        // profile computes the inks; intent and black point apply then only.
        {
            const auto* cmyk = w->findChild<app::CMYKPage*>();
            const bool profile = !cmyk->ProfilePath().isEmpty();
            ASSERT_EQ(cmyk->SpinEditCMYK4->decimals(), profile ? 2 : 0) << action.toStdString();
            ASSERT_EQ(cmyk->TrackBarCMYK4->maximum(), profile ? 10000 : 255) << action.toStdString();
            ASSERT_EQ(cmyk->cboxCMYKIntent->isEnabled(), profile) << action.toStdString();
            ASSERT_EQ(cmyk->ckCMYK->isEnabled(), !profile) << action.toStdString();
        }
        // The viewer's position stays on the picture, where there is a colour.
        if (auto* viewer = w->findChild<app::ImagePickWindow*>("formImagePick")) {
            ASSERT_TRUE(QRect(0, 0, 12, 9).contains(viewer->position())) << action.toStdString();
            ASSERT_TRUE(viewer->magnifier()->colour().has_value()) << action.toStdString();
        }
        for (const auto& m : dialogs.messages)
            ASSERT_NE(m.text, QStringLiteral("予期しないエラーが発生しました.")) << action.toStdString();
        dialogs.messages.clear();
    }

    app::TformMain* w = nullptr;
    app::TformTblEdit* e = nullptr;
    std::mt19937 rng;
    QList<QLineEdit*> edits;
    QList<platform::SpinEdit*> spins;
    QList<QRadioButton*> radios;
    QList<QCheckBox*> checks;
    QList<QSlider*> sliders;
    QList<QComboBox*> combos;
    QList<app::PaintBox*> paintBoxes;
    QTabWidget* tabs = nullptr;
    QLineEdit* hex = nullptr;
    QString picturePath;
    qsizetype checkedLog_ = 0;
};

TEST_F(Soak, ARandomWalkKeepsTheWindowsConsistent)
{
    const long actions = EnvNumber("QOLVAR_SOAK_ACTIONS", 1500);
    QElapsedTimer timer;
    timer.start();
    for (long i = 0; i < actions; ++i) {
        const QString action = Act();
        Check(QStringLiteral("#%1 ").arg(i) + action);
        if (HasFatalFailure()) return;
    }
    const double seconds = static_cast<double>(timer.elapsed()) / 1000;
    std::printf("soak: %ld actions in %.1f s (%.0f actions/s)\n", actions, seconds,
                seconds > 0 ? static_cast<double>(actions) / seconds : 0.0);
}

}  // namespace
