// Folder widgets/: what every window builds with — the hosts the windows
// see of each other (apphost.h), small controls and helpers, icons, help,
// error texts, accessible names, the exception hook and the program's and
// user's folders with the file dialogs. It includes only the libraries
// (colour/, table/, platform/), never another folder of the windows.
//
// Small pieces that both windows build with: object names, commands, the
// update guard, hexadecimal texts, RGB from three spin edits and the
// eyedropper button.
#pragma once

#include <QAction>
#include <QFont>
#include <QFontDatabase>
#include <QKeySequence>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "colour/codes.h"
#include "colour/errors.h"

class QLabel;
class QSlider;
class QToolButton;

namespace qolvar::platform {
class SpinEdit;
}

namespace qolvar::app {

// Gives a widget, action or menu its object name (the control's name).
template <class W>
W* Named(W* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A command of a window: an action with its object name, caption, tool tip
// and shortcut, live wherever the window has the focus; triggering it runs
// run(action).
template <class Run>
QAction* MakeCommand(QWidget* window, const char* name, const QString& caption, const QString& hint,
                     const QKeySequence& key, Run run)
{
    auto* a = Named(new QAction(caption, window), name);
    a->setToolTip(hint);
    if (!key.isEmpty()) a->setShortcut(key);
    a->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(a, &QAction::triggered, window, [a, run = std::move(run)] { run(a); });
    window->addAction(a);
    return a;
}

// Runs f; an error of the library (ColourError) goes to handle(error).
// Other exceptions go on to the application object.
template <class F, class Handle>
void CatchColourErrors(F&& f, Handle&& handle)
{
    try {
        f();
    } catch (const ColourError& e) {
        handle(e);
    }
}

// Sets a flag for the lifetime of the object and clears it at the end, also
// when the scope is left by an exception.
class GuardScope {
public:
    explicit GuardScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~GuardScope() { flag_ = false; }
    GuardScope(const GuardScope&) = delete;
    GuardScope& operator=(const GuardScope&) = delete;

private:
    bool& flag_;
};

// Marks a field whose text cannot be used (a red tint behind its text and
// the property "invalidInput"), or takes the mark away.
void SetFieldMarked(QWidget* field, bool marked);
bool FieldMarked(const QWidget* field);

// A window title with the desktop's unsaved-change mark in front ("[*]",
// shown as "*" while the window is modified); a "[*]" of the title's own
// (in a file name) still shows as "[*]".
QString WithModifiedMark(const QString& title);

// What a control shows of a text from a file: at most kMaxShownChars
// characters, a longer one cut with "…" (the file keeps it whole). Laying
// out megabytes of one line would take the window seconds.
inline constexpr qsizetype kMaxShownChars = 1000;
QString ShownText(const QString& text);

// A tool tip that shows text from outside (a file name, a table's line) as
// it stands: text that could hold markup is escaped.
QString PlainToolTip(const QString& text);

// Upper-case hexadecimal, zero-padded to at least `width` digits.
QString HexText(std::uint32_t v, int width = 6);
// The hexadecimal field's code of a text (HexToCode).
std::uint32_t HexOf(const QString& text);

// The colour of three spin edits for red, green and blue, each reduced to
// its byte; nullopt while any of them holds no integer (empty while typing,
// a lone sign).
std::optional<RGBCode> RGBOfSpins(const platform::SpinEdit* red, const platform::SpinEdit* green,
                                  const platform::SpinEdit* blue);

// A channel row of the RGB section or the CMYK page: a caption, a track bar
// 0..255 and a spin edit (0..spinMax) in the channel's colours, each with its
// object name; the caller places them.
struct ChannelRow {
    QLabel* label = nullptr;
    QSlider* track = nullptr;
    platform::SpinEdit* spin = nullptr;
};
struct ChannelNames {
    const char* label;
    const char* caption;
    const char* track;
    const char* spin;
    const char* style;  // the spin edit's colours, as a style sheet
};
ChannelRow MakeChannelRow(QWidget* parent, const ChannelNames& names, int spinMax);

// The eyedropper tool button: pressing it (any mouse button) greys it and
// shows the eyedropper cursor over the whole screen; releasing the mouse
// restores both and calls release with the pointer's global position (in
// logical coordinates, between logical pixels where the pointer is there),
// unless the pointer is still over the button on a screen that can be read:
// such a plain click calls click (with the pointer's position) when given,
// else it cancels the pick.
class EyedropperButton : public QObject {
public:
    EyedropperButton(QToolButton* button, std::function<void(QPointF)> release, std::function<void(QPoint)> click = {});
    bool active() const { return active_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* button_ = nullptr;
    std::function<void(QPointF)> release_;
    std::function<void(QPoint)> click_;
    bool hadFocus_ = false;
    bool active_ = false;
};

// The desktop's font of the kind, its family named as what it resolves to:
// the toolkit then finds that family at once for every script it has glyphs
// for, where a generic name ("Sans Serif", "monospace") makes it search the
// installed fonts again for each script.
QFont DesktopFont(QFontDatabase::SystemFont kind);

// The font a window names, at the given pixel size; where that family is not
// installed (the usual case here), the desktop's own font of the kind
// instead. A missing family would make the toolkit search all installed fonts
// for a stand-in once for every script the window writes in, which costs a
// noticeable part of the start; the desktop's font is what stands in anyway.
QFont NamedFont(const QString& family, int pixelSize, QFontDatabase::SystemFont kind = QFontDatabase::GeneralFont);

}  // namespace qolvar::app
