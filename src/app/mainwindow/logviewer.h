// The log viewer: the colour log's text in a read-only text box. The log
// lives here whether or not the window is shown; closing only hides it.
// The canonical text keeps CR LF line ends, as it is saved. The title
// marks unsaved lines the desktop's way ("[*]").
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace qolvar::app {

class TformLogViewer : public QWidget {
    Q_OBJECT
public:
    explicit TformLogViewer(QWidget* parent = nullptr);

    const QString& LogText() const { return text_; }
    // Replaces the log; line breaks of any kind become CR LF.
    void SetLogText(const QString& text);
    // Appends one line and CR LF; after a last line without a break (an
    // opened file) a CR LF comes first.
    void AppendLine(const QString& line);
    void Clear();
    // Whether lines were appended since the log was last cleared, opened or
    // saved.
    bool Modified() const { return modified_; }
    void MarkSaved() { SetModified(false); }

    QPlainTextEdit* memoLog = nullptr;

signals:
    // The log gained unsaved lines, or lost them (saved, cleared, opened).
    void modifiedChanged(bool modified);

private:
    void FormCreate();
    // Sets the flag and the unsaved-change mark of the title.
    void SetModified(bool modified);
    QString text_;
    bool modified_ = false;
};

}  // namespace qolvar::app
