// The program's windows in their order of creation.
#include "windows.h"

#include <QEvent>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <functional>

#include "mainwindow/aboutbox.h"
#include "mainwindow/logviewer.h"
#include "mainwindow/mainwindow.h"
#include "platform/settings.h"
#include "tableeditor/tbledit.h"

namespace qolvar::app {

Windows::Windows() = default;
Windows::~Windows() = default;
Windows::Windows(Windows&&) noexcept = default;

namespace {

void CreateMainWindow(Windows& w, PendingMunsellTable munsellTable = {})
{
    w.formMain = std::make_unique<TformMain>(nullptr, std::move(munsellTable));
}

// Runs its task once, just after the window's first frame (the frame is on
// the screen before the event loop takes up the posted task), or a quarter
// of a second after the window is shown should it not have painted by then
// (a window that starts minimised).
class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(QWidget* window, std::function<void()> task) : QObject(window), task_(std::move(task))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, this, [this] { Run(); });
        if (event->type() == QEvent::Show && !timerStarted_) {
            timerStarted_ = true;
            QTimer::singleShot(250, this, [this] { Run(); });
        }
        return false;
    }

private:
    void Run()
    {
        if (!task_) return;
        auto task = std::move(task_);
        task_ = nullptr;
        deleteLater();
        task();
    }

    std::function<void()> task_;
    bool timerStarted_ = false;
};

}  // namespace

void CreateHiddenWindows(Windows& w)
{
    if (w.formTblEdit) return;
    // All three or none: a window that cannot be made leaves the main
    // window as it was.
    auto about = std::make_unique<TAboutBox>();
    auto log = std::make_unique<TformLogViewer>();
    auto editor = std::make_unique<TformTblEdit>(*w.formMain);
    w.AboutBox = std::move(about);
    w.formLogViewer = std::move(log);
    w.formTblEdit = std::move(editor);
    w.formMain->SetWindows(w.formLogViewer.get(), w.formTblEdit.get());
}

Windows CreateWindows()
{
    Windows w;
    CreateMainWindow(w);
    CreateHiddenWindows(w);
    return w;
}

void CreateWindowsMainFirst(Windows& w, PendingMunsellTable munsellTable)
{
    CreateMainWindow(w, std::move(munsellTable));
    new AfterFirstFrame(w.formMain.get(), [&w] { CreateHiddenWindows(w); });
}

std::optional<GeometryArgument> ParseGeometryArgument(const QString& spec)
{
    static const QRegularExpression form(
        QStringLiteral("^=?(?:(\\d{1,9})[xX](\\d{1,9}))?(?:([+-])(\\d{1,9})([+-])(\\d{1,9}))?$"));
    const QRegularExpressionMatch m = form.match(spec);
    if (!m.hasMatch() || spec.isEmpty()) return std::nullopt;
    GeometryArgument g;
    if (m.hasCaptured(1)) g.size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
    if (m.hasCaptured(3)) {
        g.position = QPoint(m.captured(4).toInt(), m.captured(6).toInt());
        g.fromRight = m.captured(3) == QLatin1String("-");
        g.fromBottom = m.captured(5) == QLatin1String("-");
    }
    return g;
}

std::optional<GeometryArgument> TakeGeometryArgument(int& argc, char** argv)
{
    std::optional<GeometryArgument> found;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if ((arg == "-qwindowgeometry" || arg == "-geometry") && i + 1 < argc) {
            found = ParseGeometryArgument(QString::fromLocal8Bit(argv[++i]));
            continue;
        }
        argv[kept++] = argv[i];
    }
    argc = kept;
    argv[argc] = nullptr;
    return found;
}

void ApplyGeometryArgument(QWidget* window, const GeometryArgument& g)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 16384, 16384);
    if (g.size)
        window->resize(
            g.size->boundedTo(avail.size()).expandedTo(window->minimumSize()).boundedTo(window->maximumSize()));
    if (g.position && platform::WindowPlacementSupported()) {
        const int x = g.fromRight ? avail.right() + 1 - window->width() - g.position->x() : g.position->x();
        const int y = g.fromBottom ? avail.bottom() + 1 - window->height() - g.position->y() : g.position->y();
        window->move(x, y);
    }
}

}  // namespace qolvar::app
