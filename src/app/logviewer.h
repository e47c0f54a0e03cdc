// The log viewer: the colour log's text in a read-only text box. The log
// lives here whether or not the window is shown; closing only hides it.
// The canonical text keeps CR LF line ends, as it is saved.
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
    void MarkSaved() { modified_ = false; }

    QPlainTextEdit* memoLog = nullptr;

private:
    void FormCreate();
    QString text_;
    bool modified_ = false;
};

}  // namespace qolvar::app
