// The program's windows in their order of creation.
#include "windows.h"

#include <QEvent>
#include <QTimer>
#include <functional>

#include "mainwindow/aboutbox.h"
#include "mainwindow/logviewer.h"
#include "mainwindow/mainwindow.h"
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

}  // namespace qolvar::app
