// Under a real X server (Xvfb): the pick mode reads the screen around the
// pointer, moves the pointer by keys and averages squares of a known test
// picture shown in a window; `qolvar --pick` prints the code, and takes
// every device pixel under a scale factor; a window's
// caption reaches the window manager as the window gives it; window commands
// work from text fields under X11's key bindings. Run with
// xvfb-run; skipped without an X display.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSpinBox>
#include <QTest>
#include <QWidget>
#include <memory>
#include <optional>

#include "application.h"
#include "picking/magnifier.h"
#include "picking/pickmode.h"
#include "platform/monitorprofile.h"
#include "platform/screenpick.h"

// After Qt's headers: Xlib's macros (Bool, Status, None …) clash with them.
#include <X11/Xatom.h>
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

// A key and the modifiers held (ShiftMask …).
struct Key {
    Key(KeySym sym, unsigned state = 0) : sym(sym), state(state) {}
    KeySym sym;
    unsigned state;
};

void SendKey(Display* dpy, Window window, Key key)
{
    for (int type : {KeyPress, KeyRelease}) {
        XKeyEvent e{};
        e.type = type;
        e.display = dpy;
        e.window = window;
        e.root = DefaultRootWindow(dpy);
        e.time = CurrentTime;
        e.same_screen = True;
        e.state = key.state;
        e.keycode = XKeysymToKeycode(dpy, key.sym);
        XSendEvent(dpy, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, reinterpret_cast<XEvent*>(&e));
    }
    XFlush(dpy);
}

// Runs the program with args in env, sends the keys to its pick window and
// waits for it to end: the exit status and what it printed.
std::pair<int, QByteArray> RunPick(Display* dpy, const QStringList& args, const std::vector<Key>& keys,
                                   const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QString::fromLocal8Bit(qgetenv("QOLVAR_PROGRAM")), args);
    if (!p.waitForStarted()) {
        ADD_FAILURE() << p.errorString().toStdString();
        return {-1, {}};
    }
    Window window = 0;
    QElapsedTimer timer;
    timer.start();
    while (!(window = FindPickWindow(dpy)) && timer.elapsed() < 10000) QTest::qWait(50);
    if (!window) {
        ADD_FAILURE() << "the picker never showed";
        return {-1, {}};
    }
    QTest::qWait(200);
    for (const Key& k : keys) {
        SendKey(dpy, window, k);
        QTest::qWait(100);
    }
    // It may have ended already while the keys were sent.
    if (p.state() != QProcess::NotRunning && !p.waitForFinished(10000)) {
        ADD_FAILURE() << "the picker never ended " << p.readAllStandardError().toStdString();
        return {-1, {}};
    }
    return {p.exitCode(), p.readAllStandardOutput()};
}

TEST_F(XPickMode, ThePickCommandPrintsTheCode)
{
    const QByteArray program = qgetenv("QOLVAR_PROGRAM");
    if (program.isEmpty()) GTEST_SKIP() << "QOLVAR_PROGRAM is not set";
    Display* dpy = XOpenDisplay(nullptr);
    ASSERT_NE(dpy, nullptr);
    struct Case {
        QStringList args;
        std::vector<Key> keys;
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
        const auto [status, out] = RunPick(dpy, c.args, c.keys);
        EXPECT_EQ(status, c.status) << c.args.join(' ').toStdString();
        EXPECT_EQ(out, c.out) << c.args.join(' ').toStdString();
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

// Under a scale factor the pick works in device pixels: a key moves the
// pointer one device pixel (Shift: ten) and the pick takes that very pixel,
// also where no logical position lies on it (the odd ones at 2).
TEST_F(XPickMode, ThePickCommandTakesEveryDevicePixelUnderAScaleFactor)
{
    if (qgetenv("QOLVAR_PROGRAM").isEmpty()) GTEST_SKIP() << "QOLVAR_PROGRAM is not set";
    Display* dpy = XOpenDisplay(nullptr);
    ASSERT_NE(dpy, nullptr);
    // Hand-computed from the picture (R = 5x, G = 8y, B = 255 where x + y is
    // odd); the pointer starts on pixel at of it.
    struct Case {
        const char* factor;
        QPoint at;
        QStringList args;
        std::vector<Key> keys;
        QByteArray out;
    };
    const Case cases[] = {
        {"2", {20, 16}, {"--pick"}, {XK_Return}, "#648000\n"},
        {"2", {20, 16}, {"--pick"}, {XK_Right, XK_Return}, "#6980FF\n"},                // (21, 16)
        {"2", {20, 16}, {"--pick", "--average=3"}, {XK_Down, XK_Return}, "#64888E\n"},  // around (20, 17)
        {"2", {21, 17}, {"--pick"}, {XK_Return}, "#698800\n"},                       // no logical position lies on it
        {"1.5", {20, 16}, {"--pick"}, {XK_Right, XK_Down, XK_Return}, "#698800\n"},  // (21, 17)
        {"1.5", {20, 16}, {"--pick"}, {{XK_Right, ShiftMask}, XK_Left, XK_Return}, "#9180FF\n"},  // (29, 16)
        {"1.5", {21, 17}, {"--pick"}, {XK_Return}, "#698800\n"},
    };
    for (const Case& c : cases) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING",
                                 "QT_SCALE_FACTOR_ROUNDING_POLICY"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(c.factor));
        QCursor::setPos(picture.mapToGlobal(c.at));
        QTest::qWait(50);
        const auto [status, out] = RunPick(dpy, c.args, c.keys, env);
        EXPECT_EQ(status, 0) << c.factor << " " << out.toStdString();
        EXPECT_EQ(out, c.out) << "at " << c.factor << " from (" << c.at.x() << ", " << c.at.y() << ") after "
                              << c.keys.size() << " keys";
    }
    XCloseDisplay(dpy);
}

// With the root window's _ICC_PROFILE set to an Adobe RGB profile (colord's
// AdobeRGB1998.icc), a pick converts the screen's device value through it
// to sRGB, in the pick mode and by the eyedropper; with the choice off the
// value is taken as it is. The expected code is LittleCMS 2.14's transicc,
// relative colorimetric, rounded:
//   echo "200 30 60" | transicc -t1 -i AdobeRGB1998.icc -o '*sRGB' -n
//     233.1246 23.7836 58.4161
TEST(XMonitorProfile, PicksGoThroughTheProfileOnTheRootWindow)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
    QFile file(QStringLiteral("/usr/share/color/icc/colord/AdobeRGB1998.icc"));
    if (!file.open(QIODevice::ReadOnly)) GTEST_SKIP() << "colord's AdobeRGB1998.icc is not installed";
    const QByteArray profile = file.readAll();
    Display* dpy = XOpenDisplay(nullptr);
    ASSERT_NE(dpy, nullptr);
    const Window root = DefaultRootWindow(dpy);
    const Atom property = XInternAtom(dpy, "_ICC_PROFILE", False);
    XChangeProperty(dpy, root, property, XA_CARDINAL, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(profile.constData()), static_cast<int>(profile.size()));
    XSync(dpy, False);
    // The property goes again however the test ends.
    const std::unique_ptr<Display, void (*)(Display*)> removed(dpy, [](Display* d) {
        XDeleteProperty(d, DefaultRootWindow(d), XInternAtom(d, "_ICC_PROFILE", False));
        XCloseDisplay(d);
        platform::SetUseMonitorProfile(true);
    });

    QWidget swatch;
    swatch.setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    swatch.setAutoFillBackground(true);
    swatch.setPalette(QPalette(QColor(200, 30, 60)));
    swatch.setGeometry(300, 200, 60, 40);
    swatch.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&swatch));
    QTest::qWait(200);
    const QPoint centre = swatch.mapToGlobal(QPoint(30, 20));
    const struct {
        bool use;
        RGBCode taken;
    } cases[] = {{true, 0xE9183A}, {false, 0xC81E3C}};
    for (const auto& c : cases) {
        platform::SetUseMonitorProfile(c.use);
        QCursor::setPos(centre);
        QTest::qWait(50);
        auto* session = new app::PickSession(std::make_unique<app::ScreenSurface>(), 1, 8);
        std::optional<RGBCode> taken;
        QObject::connect(session, &app::PickSession::taken, [&](RGBCode rgb) { taken = rgb; });
        session->start(centre);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(session));
        EXPECT_EQ(session->profileUse().name.isEmpty(), !c.use);
        QTest::keyClick(session, Qt::Key_Return);
        EXPECT_EQ(taken, c.taken) << "pick mode, profile " << c.use;
        QTest::qWait(50);

        std::optional<RGBCode> dropped;
        platform::PickScreenColour(nullptr, QPointF(centre),
                                   [&](TColor colour, platform::PickPath) { dropped = ColorToCode(colour); });
        EXPECT_EQ(dropped, c.taken) << "eyedropper, profile " << c.use;
    }
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
