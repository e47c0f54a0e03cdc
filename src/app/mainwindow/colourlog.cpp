#include "mainwindow/colourlog.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QWidget>

#include "mainwindow/logviewer.h"
#include "platform/dialogs.h"
#include "platform/textfile.h"
#include "table/filenames.h"
#include "table/textio.h"
#include "table/texts.h"
#include "widgets/files.h"
#include "widgets/themeicons.h"
#include "widgets/winhelpers.h"

namespace qolvar::app {

namespace {

QString LogFilter() { return ColourLog::tr("Log files (*.log)|*.log|すべてのファイル(*.*)|*.*"); }

}  // namespace

ColourLog::ColourLog(QWidget* window, std::function<void(QObject*, const std::function<void()>&)> guarded)
    : QObject(window), window_(window)
{
    setObjectName(QStringLiteral("ColourLog"));
    auto make = [&](QAction*& a, const char* name, const QString& caption, const QString& hint, const QKeySequence& key,
                    const char* icon, void (ColourLog::*handler)()) {
        a = MakeCommand(window, name, caption, hint, key,
                        [this, guarded, handler](QAction* action) { guarded(action, [&] { (this->*handler)(); }); });
        a->setStatusTip(hint);
        a->setIcon(ThemeIcon(icon));
    };
    make(FileNewCmd, "FileNewCmd", tr("新規ログ(&N)"), tr("新規ログ"), QKeySequence(Qt::CTRL | Qt::Key_N),
         "document-new", &ColourLog::New1Click);
    make(FileOpenCmd, "FileOpenCmd", tr("ログを開く(&O)..."), tr("ログを開く"), QKeySequence(Qt::CTRL | Qt::Key_O),
         "document-open", &ColourLog::Open1Click);
    make(FileSaveCmd, "FileSaveCmd", tr("上書き保存(&S)"), tr("ログを上書き保存"), QKeySequence(Qt::CTRL | Qt::Key_S),
         "document-save", &ColourLog::Save1Click);
    make(FileSaveAsCmd, "FileSaveAsCmd", tr("名前をつけて保存(&A)..."), tr("ログに名前をつけて保存"), QKeySequence(),
         "document-save-as", &ColourLog::SaveAs1Click);
    make(LogViewCmd, "LogViewCmd", tr("ログ表示(&L)"), tr("ログ表示"), QKeySequence(Qt::CTRL | Qt::Key_L),
         "text-x-generic", &ColourLog::LogView1Click);
}

void ColourLog::SetViewer(TformLogViewer* viewer)
{
    viewer_ = viewer;
    if (!viewer) return;
    window_->setWindowModified(viewer->Modified());
    connect(viewer, &TformLogViewer::modifiedChanged, window_, &QWidget::setWindowModified);
}

void ColourLog::Write(const QString& line)
{
    if (viewer_) viewer_->AppendLine(line);
}

bool ColourLog::CheckLogSave()
{
    if (!viewer_ || !viewer_->Modified()) return true;
    const QString question = logFileName_.isEmpty() ? tr("ログへの変更を保存しますか？")
                                                    : table::SaveChangesQuestion(table::FileNamePart(logFileName_));
    const int answer = platform::Confirmation(window_, question, platform::kYes | platform::kNo | platform::kCancel);
    if (answer == platform::kCancel) return false;
    if (answer == platform::kYes) {
        // A failed save throws and the command ends; a cancelled file
        // dialog saves nothing and ends it too.
        Save1Click();
        return !viewer_->Modified();
    }
    return true;
}

void ColourLog::New1Click()
{
    if (!CheckLogSave()) return;
    if (viewer_) viewer_->Clear();
    platform::Information(window_, tr("ログをクリアしました"));
}

void ColourLog::Open1Click()
{
    if (!CheckLogSave()) return;
    platform::FileDialogOptions o;
    o.filter = LogFilter();
    o.mustExist = true;
    const QString path = ChooseOpenFile(window_, o);
    if (path.isEmpty()) return;
    const QString text = platform::ReadTextFile(path);
    logFileName_ = path;
    if (viewer_) {
        viewer_->SetLogText(text);
        viewer_->show();
    }
}

void ColourLog::Save1Click()
{
    if (logFileName_.isEmpty()) {
        SaveAs1Click();
        return;
    }
    platform::WriteTextFile(logFileName_, viewer_ ? viewer_->LogText() : QString());
    if (viewer_) viewer_->MarkSaved();
}

void ColourLog::SaveAs1Click()
{
    platform::FileDialogOptions o;
    o.filter = LogFilter();
    o.initialDir = QFileInfo(saveDialogName_).isAbsolute() ? QFileInfo(saveDialogName_).path() : QString();
    o.fileName = saveDialogName_;
    o.mustExist = false;
    const QString path = ChooseSaveFile(window_, o);
    if (path.isEmpty()) return;
    saveDialogName_ = path;
    platform::WriteTextFile(path, viewer_ ? viewer_->LogText() : QString());
    logFileName_ = path;
    if (viewer_) viewer_->MarkSaved();
}

void ColourLog::LogView1Click()
{
    if (!viewer_) return;
    viewer_->show();
    viewer_->raise();
}

}  // namespace qolvar::app
