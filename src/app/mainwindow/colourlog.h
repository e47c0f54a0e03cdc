// The colour log of the main window: the lines the page refreshes write,
// kept in the log viewer; the commands that clear, open and save it (New,
// Open, Save, Save As, View) and the question about unsaved lines. The
// window's title shows the log's unsaved-change mark.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QAction;
class QWidget;

namespace qolvar::app {

class TformLogViewer;

class ColourLog : public QObject {
    Q_OBJECT
public:
    // The commands are made as the window's actions (FileNewCmd,
    // FileOpenCmd, FileSaveCmd, FileSaveAsCmd, LogViewCmd); guarded runs
    // a command with the library's errors shown.
    ColourLog(QWidget* window, std::function<void(QObject*, const std::function<void()>&)> guarded);

    // The viewer that keeps the lines; until there is one, lines are lost.
    void SetViewer(TformLogViewer* viewer);
    // Appends one whole line.
    void Write(const QString& line);
    // Asks whether to save a log with lines that were never saved. False:
    // the calling command is abandoned (Cancel, or a save that did not
    // happen).
    bool CheckLogSave();
    // The file the log was last opened from or saved to (LogFileName).
    const QString& LogFileName() const { return logFileName_; }

    QAction* FileNewCmd = nullptr;
    QAction* FileOpenCmd = nullptr;
    QAction* FileSaveCmd = nullptr;
    QAction* FileSaveAsCmd = nullptr;
    QAction* LogViewCmd = nullptr;

private slots:
    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void LogView1Click();

private:
    QWidget* window_;
    QPointer<TformLogViewer> viewer_;
    QString logFileName_;
    // The save dialog's remembered name.
    QString saveDialogName_ = QStringLiteral("Qolvar_Data00.log");
};

}  // namespace qolvar::app
