// Message boxes, the beep, file and colour dialogs and the shell's "open":
// one interface, the Qt implementation by default, a scripted fake in tests
// (so that no test ever blocks on a modal dialog).
#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QWidget;

namespace qolvar::platform {

enum class MsgKind { Warning, Confirmation, Information, Error };

// Buttons, combinable; message() returns the one pressed (Cancel when the
// box is closed another way and Cancel is offered, else the first button).
enum MsgButton : int { kOk = 1, kYes = 2, kNo = 4, kCancel = 8 };

struct FileDialogOptions {
    QString title;
    // Pairs of description and pattern separated by "|":
    // "Log files (*.log)|*.log|すべてのファイル(*.*)|*.*"
    QString filter;
    QString initialDir;
    QString fileName;     // proposed name
    QString defaultExt;   // without the dot; empty: none
    int filterIndex = 0;  // the pair of filter chosen at first
    bool mustExist = true;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual int message(QWidget* parent, MsgKind kind, const QString& caption, const QString& text, int buttons) = 0;
    virtual void beep() = 0;
    // The chosen path, or an empty text when cancelled.
    virtual QString openFile(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual QString saveFile(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
    // Opens a file or address with the desktop's associated program.
    // Returns 42 on success, 2 when the file does not exist, 31 when no
    // program opens it.
    virtual int shellOpen(const QString& pathOrUrl) = 0;
    // A line of text asked for with a label, starting from initial; none
    // when cancelled (dialogs that ask nothing cancel).
    virtual std::optional<QString> inputText(QWidget* parent, const QString& caption, const QString& label,
                                             const QString& initial)
    {
        (void)parent, (void)caption, (void)label, (void)initial;
        return std::nullopt;
    }
};

// The dialogs in use; SetDialogs(nullptr) restores the Qt implementation.
Dialogs& dialogs();
void SetDialogs(Dialogs* d);

// The program's three kinds of message box.
int Warning(QWidget* parent, const QString& text, int buttons = kOk);      // caption "警告"
int Confirmation(QWidget* parent, const QString& text, int buttons);       // caption "確認"
int Information(QWidget* parent, const QString& text, int buttons = kOk);  // caption "情報"

// A filter in the "description|pattern|…" form as Qt's file dialogs take it.
QString QtFilter(const QString& filter);

}  // namespace qolvar::platform
