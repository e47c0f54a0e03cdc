#include "mainwindow/logviewer.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include "widgets/accessible.h"
#include "widgets/winhelpers.h"

namespace qolvar::app {

TformLogViewer::TformLogViewer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("formLogViewer"));
    setWindowTitle(QStringLiteral("[*]Log Viewer"));
    memoLog = new QPlainTextEdit(this);
    memoLog->setObjectName(QStringLiteral("memoLog"));
    memoLog->setReadOnly(true);
    memoLog->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memoLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Codes and numbers line up in the desktop's fixed-width font.
    memoLog->setFont(DesktopFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memoLog);
    // What a screen reader says of the controls.
    Describe(memoLog, QT_TRANSLATE_NOOP("Accessible", "ログ"),
             QT_TRANSLATE_NOOP("Accessible", "変換した色のログ (読み取り専用)"));
    FormCreate();
}

void TformLogViewer::FormCreate()
{
    resize(600, 480);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->geometry();
        move(avail.center() - QPoint(300, 240));
    }
}

void TformLogViewer::SetLogText(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    memoLog->setPlainText(t);
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    text_ = t;
    SetModified(false);
}

void TformLogViewer::AppendLine(const QString& line)
{
    SetModified(true);
    QTextCursor cursor(memoLog->document());
    cursor.movePosition(QTextCursor::End);
    if (text_.isEmpty() || text_.endsWith(QLatin1Char('\n'))) {
        text_ += line + QStringLiteral("\r\n");
        cursor.insertText(line + QLatin1Char('\n'));
    } else {
        // After a last line without a break (an opened file), the break
        // comes first; the new line still ends with its own, as every line
        // the program writes does.
        text_ += QStringLiteral("\r\n") + line + QStringLiteral("\r\n");
        cursor.insertText(QLatin1Char('\n') + line + QLatin1Char('\n'));
    }
}

void TformLogViewer::Clear()
{
    text_.clear();
    memoLog->clear();
    SetModified(false);
}

void TformLogViewer::SetModified(bool modified)
{
    if (modified == modified_) return;
    modified_ = modified;
    setWindowModified(modified);
    emit modifiedChanged(modified);
}

}  // namespace qolvar::app
