// Under a real X server (Xvfb): the pick mode reads the screen around the
// pointer, moves the pointer by keys and averages squares of a known test
// picture shown in a window; `qolvar --pick` prints the code; a window's
// caption reaches the window manager as the window gives it; window commands
// work from text fields under X11's key bindings. Run with
// xvfb-run; skipped without an X display.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QSpinBox>
#include <QTest>
#include <QWidget>
#include <optional>

#include "application.h"
#include "picking/magnifier.h"
#include "picking/pickmode.h"

// After Qt's headers: Xlib's macros (Bool, Status, None …) clash with them.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

using namespace qolvar;

namespace {

// The test picture: 40×30 pixels, R = 5x, G = 8y, B = 255 where x + y is odd.
class Picture : public QWidget {
public:
    Picture()
    {
        setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        image_ = QImage(40, 30, QImage::Format_RGB32);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) image_.setPixel(x, y, qRgb(5 * x, 8 * y, (x + y) % 2 ? 255 : 0));
        setGeometry(100, 120, 40, 30);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, image_); }

private:
    QImage image_;
};

class XPickMode : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
        picture.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&picture));
        QTest::qWait(200);
    }
    Picture picture;
};

using Keys = std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>;

TEST_F(XPickMode, TakesThePixelsOfThePictureOnTheScreen)
{
    const Qt::KeyboardModifiers none = Qt::NoModifier, shift = Qt::ShiftModifier;
    // Hand-computed; the pointer starts on (20, 15) of the picture.
    struct Case {
        const char* what;
        int average;
        Keys keys;
        std::optional<RGBCode> taken;
    };
    const Case cases[] = {
        {"the exact pixel", 1, {{Qt::Key_Return, none}}, 0x6478FF},
        {"nudged by one", 1, {{Qt::Key_Right, none}, {Qt::Key_Return, none}}, 0x697800},
        {"nudged by ten", 1, {{Qt::Key_Down, shift}, {Qt::Key_Return, none}}, 0x64C8FF},
        {"3x3 average", 3, {{Qt::Key_Return, none}}, 0x64788E},
        {"5x5 average", 5, {{Qt::Key_Return, none}}, 0x647885},
        {"cancel", 1, {{Qt::Key_Right, none}, {Qt::Key_Escape, none}}, std::nullopt},
    };
    for (const Case& c : cases) {
        const QPoint start = picture.mapToGlobal(QPoint(20, 15));
        QCursor::setPos(start);
        QTest::qWait(50);
        auto* session = new app::PickSession(std::make_unique<app::ScreenSurface>(), c.average, 8);
        std::optional<RGBCode> taken;
        bool cancelled = false;
        QObject::connect(session, &app::PickSession::taken, [&](RGBCode rgb) { taken = rgb; });
        QObject::connect(session, &app::PickSession::cancelled, [&] { cancelled = true; });
        session->start(start);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(session)) << c.what;
        if (&c == &cases[0]) {
            // The pick holds the X server's pointer and keyboard: another
            // client cannot grab them.
            QTest::qWait(100);
            Display* dpy = XOpenDisplay(nullptr);
            ASSERT_NE(dpy, nullptr);
            const Window root = DefaultRootWindow(dpy);
            const int pointer =
                XGrabPointer(dpy, root, False, ButtonPressMask, GrabModeAsync, GrabModeAsync, 0, 0, CurrentTime);
            const int keyboard = XGrabKeyboard(dpy, root, False, GrabModeAsync, GrabModeAsync, CurrentTime);
            XUngrabPointer(dpy, CurrentTime);
            XUngrabKeyboard(dpy, CurrentTime);
            XCloseDisplay(dpy);
            EXPECT_EQ(pointer, AlreadyGrabbed);
            EXPECT_EQ(keyboard, AlreadyGrabbed);
        }
        for (const auto& [key, mods] : c.keys) {
            QTest::keyClick(session, key, mods);
            QTest::qWait(20);
        }
        EXPECT_EQ(taken, c.taken) << c.what;
        EXPECT_EQ(cancelled, !c.taken) << c.what;
        QTest::qWait(50);
    }
}

// The top-level window of another process whose class is "qolvar", shown.
Window FindPickWindow(Display* dpy)
{
    Window root = DefaultRootWindow(dpy), parent = 0, *children = nullptr;
    unsigned n = 0;
    Window found = 0;
    if (!XQueryTree(dpy, root, &root, &parent, &children, &n)) return 0;
    for (unsigned i = 0; i < n && !found; ++i) {
        XClassHint hint{};
        XWindowAttributes attributes{};
        if (XGetClassHint(dpy, children[i], &hint)) {
            const bool ours = hint.res_name && QByteArray(hint.res_name) == "qolvar";
            if (hint.res_name) XFree(hint.res_name);
            if (hint.res_class) XFree(hint.res_class);
            if (ours && XGetWindowAttributes(dpy, children[i], &attributes) && attributes.map_state == IsViewable)
                found = children[i];
        }
    }
    if (children) XFree(children);
    return found;
}

void SendKey(Display* dpy, Window window, KeySym sym)
{
    for (int type : {KeyPress, KeyRelease}) {
        XKeyEvent e{};
        e.type = type;
        e.display = dpy;
        e.window = window;
        e.root = DefaultRootWindow(dpy);
        e.time = CurrentTime;
        e.same_screen = True;
        e.keycode = XKeysymToKeycode(dpy, sym);
        XSendEvent(dpy, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, reinterpret_cast<XEvent*>(&e));
    }
    XFlush(dpy);
}

TEST_F(XPickMode, ThePickCommandPrintsTheCode)
{
    const QByteArray program = qgetenv("QOLVAR_PROGRAM");
    if (program.isEmpty()) GTEST_SKIP() << "QOLVAR_PROGRAM is not set";
    Display* dpy = XOpenDisplay(nullptr);
    ASSERT_NE(dpy, nullptr);
    struct Case {
        QStringList args;
        std::vector<KeySym> keys;
        int status;
        QByteArray out;
    };
    const Case cases[] = {
        {{"--pick"}, {XK_Return}, 0, "#6478FF\n"},
        {{"--pick", "--format", "rgb"}, {XK_Right, XK_Return}, 0, "rgb(105, 120, 0)\n"},
        {{"--pick", "--average=3", "--format=hsl"}, {XK_Return}, 0, "hsl(211, 17%, 47%)\n"},
        {{"--pick"}, {XK_Escape}, 1, ""},
    };
    for (const Case& c : cases) {
        QCursor::setPos(picture.mapToGlobal(QPoint(20, 15)));
        QTest::qWait(50);
        QProcess p;
        p.start(QString::fromLocal8Bit(program), c.args);
        ASSERT_TRUE(p.waitForStarted());
        Window window = 0;
        QElapsedTimer timer;
        timer.start();
        while (!(window = FindPickWindow(dpy)) && timer.elapsed() < 10000) QTest::qWait(50);
        ASSERT_NE(window, 0u) << "the picker never showed";
        QTest::qWait(200);
        for (KeySym k : c.keys) {
            SendKey(dpy, window, k);
            QTest::qWait(100);
        }
        // It may have ended already while the keys were sent.
        const bool finished = p.state() == QProcess::NotRunning || p.waitForFinished(10000);
        ASSERT_TRUE(finished) << p.errorString().toStdString() << " " << p.readAllStandardError().toStdString();
        EXPECT_EQ(p.exitCode(), c.status) << c.args.join(' ').toStdString() << p.readAllStandardError().toStdString();
        EXPECT_EQ(p.readAllStandardOutput(), c.out) << c.args.join(' ').toStdString();
    }

    // --copy: the code is on the clipboard while the command serves it, and
    // the command ends once another program takes the clipboard.
    QCursor::setPos(picture.mapToGlobal(QPoint(20, 15)));
    QTest::qWait(50);
    QProcess p;
    p.start(QString::fromLocal8Bit(program), {"--pick", "--copy"});
    ASSERT_TRUE(p.waitForStarted());
    Window window = 0;
    QElapsedTimer timer;
    timer.start();
    while (!(window = FindPickWindow(dpy)) && timer.elapsed() < 10000) QTest::qWait(50);
    ASSERT_NE(window, 0u);
    QTest::qWait(200);
    SendKey(dpy, window, XK_Return);
    timer.restart();
    while (p.bytesAvailable() == 0 && p.state() == QProcess::Running && timer.elapsed() < 10000) QTest::qWait(20);
    EXPECT_EQ(p.readAllStandardOutput(), "#6478FF\n");
    // Standard output ends with the code (a script reading it goes on),
    // while the command still serves the clipboard.
    const QString output = QStringLiteral("/proc/%1/fd/1").arg(p.processId());
    timer.restart();
    while (QFileInfo(output).symLinkTarget() != QLatin1String("/dev/null") && timer.elapsed() < 2000) QTest::qWait(20);
    EXPECT_EQ(QFileInfo(output).symLinkTarget(), "/dev/null") << "standard output still open";
    EXPECT_EQ(p.state(), QProcess::Running) << "serves the clipboard";
    QTest::qWait(200);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "#6478FF");
    QGuiApplication::clipboard()->setText("taken over");
    timer.restart();
    const bool ended = p.state() == QProcess::NotRunning || p.waitForFinished(5000);
    EXPECT_TRUE(ended) << "still serving after another program took the clipboard";
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(p.exitCode(), 0);
    XCloseDisplay(dpy);
}

// The toolkit adds nothing (such as " — Qolvar") to a window's caption.
TEST(XCaption, IsTheWindowsOwn)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
    const std::string caption = "t.tab - Color Table Editor";
    QWidget window;
    window.setWindowTitle(QString::fromStdString(caption));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    Display* dpy = XOpenDisplay(nullptr);
    ASSERT_NE(dpy, nullptr);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const int status =
        XGetWindowProperty(dpy, window.winId(), XInternAtom(dpy, "_NET_WM_NAME", False), 0, 1024, False,
                           XInternAtom(dpy, "UTF8_STRING", False), &type, &format, &count, &after, &data);
    const std::string shown = status == Success && data ? std::string(reinterpret_cast<char*>(data), count) : "";
    if (data) XFree(data);
    XCloseDisplay(dpy);
    EXPECT_EQ(shown, caption);
}

// Under X11's key bindings a field takes Ctrl+E (end of line) for itself;
// where the window has a command on it, the command runs. The field keeps
// the keys it edits with: Ctrl+C copies the field's text.
TEST(XKeys, WindowCommandsWinOverAFieldsLineKeys)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
    QWidget window;
    auto* field = new QLineEdit(QStringLiteral("336699"), &window);
    auto* spin = new QSpinBox(&window);
    spin->move(0, 40);
    int opened = 0, copied = 0;
    auto* open = new QAction(&window);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    QObject::connect(open, &QAction::triggered, [&] { ++opened; });
    auto* copy = new QAction(&window);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    QObject::connect(copy, &QAction::triggered, [&] { ++copied; });
    window.addActions({open, copy});
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (QWidget* f : {static_cast<QWidget*>(field), static_cast<QWidget*>(spin)}) {
        f->setFocus();
        field->setCursorPosition(0);
        QTest::keyClick(f, Qt::Key_E, Qt::ControlModifier);
        EXPECT_EQ(field->cursorPosition(), 0);
    }
    EXPECT_EQ(opened, 2);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(copied, 0);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("336699"));
}

}  // namespace

int main(int argc, char** argv)
{
    // The program's application object, which names the program.
    qolvar::app::QolvarApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
