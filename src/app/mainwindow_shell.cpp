// The main window's commands: the colour log, the shell, the colour table
// drop-down, start-up and shutdown with the settings kept between runs.
#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <algorithm>
#include <memory>

#include "aboutbox.h"
#include "application.h"
#include "colortablecombo.h"
#include "colour/colourformat.h"
#include "colour/munsell.h"
#include "colour/munsell_renotation.h"
#include "colourfacts.h"
#include "errortext.h"
#include "help.h"
#include "logviewer.h"
#include "mainwindow.h"
#include "page_munsell.h"
#include "pickcommands.h"
#include "platform/cursors.h"
#include "platform/dialogs.h"
#include "platform/settings.h"
#include "platform/textfile.h"
#include "table/entry.h"
#include "table/filenames.h"
#include "table/tablefile.h"
#include "table/textio.h"
#include "table/texts.h"
#include "themeicons.h"
#include "winhelpers.h"

namespace qolvar::app {

namespace {

QString LogFilter()
{
    return QCoreApplication::translate("TformMain", "Log files (*.log)|*.log|すべてのファイル(*.*)|*.*");
}
const QString kSection = QStringLiteral("formMain");
// No file name is longer than a path may be (PATH_MAX on Linux).
constexpr qsizetype kMaxPathLength = 4096;
// A copy template longer than this is no template anybody typed.
constexpr qsizetype kMaxTemplateLength = 4096;

}  // namespace

// ---------------------------------------------------------------- log

void TformMain::LogWrite(const QString& text)
{
    if (liveRefresh_) return;
    if (!formLogViewer_) return;
    // The code of the colour the page converted, as the hexadecimal field
    // shows it; the field itself may hold text not yet applied or no code.
    formLogViewer_->AppendLine(QStringLiteral("RGB=#") + HexText(curRGB_) + QLatin1Char(' ') + text);
}

bool TformMain::CheckLogSave()
{
    if (!formLogViewer_ || !formLogViewer_->Modified()) return true;
    const QString question = logFileName_.isEmpty() ? tr("ログへの変更を保存しますか？")
                                                    : table::SaveChangesQuestion(table::FileNamePart(logFileName_));
    const int answer = platform::Confirmation(this, question, platform::kYes | platform::kNo | platform::kCancel);
    if (answer == platform::kCancel) return false;
    if (answer == platform::kYes) {
        // A failed save throws and the command ends; a cancelled file
        // dialog saves nothing and ends it too.
        Save1Click();
        return !formLogViewer_->Modified();
    }
    return true;
}

void TformMain::New1Click()
{
    if (!CheckLogSave()) return;
    if (formLogViewer_) formLogViewer_->Clear();
    platform::Information(this, tr("ログをクリアしました"));
}

void TformMain::Open1Click()
{
    if (!CheckLogSave()) return;
    platform::FileDialogOptions o;
    o.filter = LogFilter();
    o.mustExist = true;
    const QString path = ChooseOpenFile(this, o);
    if (path.isEmpty()) return;
    const QString text = platform::ReadTextFile(path);
    logFileName_ = path;
    if (formLogViewer_) {
        formLogViewer_->SetLogText(text);
        formLogViewer_->show();
    }
}

void TformMain::Save1Click()
{
    if (logFileName_.isEmpty()) {
        SaveAs1Click();
        return;
    }
    platform::WriteTextFile(logFileName_, formLogViewer_ ? formLogViewer_->LogText() : QString());
    if (formLogViewer_) formLogViewer_->MarkSaved();
}

void TformMain::SaveAs1Click()
{
    platform::FileDialogOptions o;
    o.filter = LogFilter();
    o.initialDir = QFileInfo(saveDialogName_).isAbsolute() ? QFileInfo(saveDialogName_).path() : QString();
    o.fileName = saveDialogName_;
    o.mustExist = false;
    const QString path = ChooseSaveFile(this, o);
    if (path.isEmpty()) return;
    saveDialogName_ = path;
    platform::WriteTextFile(path, formLogViewer_ ? formLogViewer_->LogText() : QString());
    logFileName_ = path;
    if (formLogViewer_) formLogViewer_->MarkSaved();
}

void TformMain::LogView1Click()
{
    if (!formLogViewer_) return;
    formLogViewer_->show();
    formLogViewer_->raise();
}

// ---------------------------------------------------------------- shell

void TformMain::Exit1Click() { close(); }

void TformMain::Front1Click()
{
    Front1->setChecked(!Front1->isChecked());
    const bool on = Front1->isChecked();
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible) show();  // changing the flags hides the window
}

void TformMain::Contents1Click() { BrowseHelp(this, exeDir_, QStringLiteral("Qolvar.chm")); }

void TformMain::DisplayResult(int code, const QString& fileName) { app::DisplayResult(this, code, fileName); }

void TformMain::About1Click()
{
    TAboutBox box(this);
    box.exec();
}

void TformMain::TabLoad1Click()
{
    platform::FileDialogOptions o;
    o.filter = table::TblOpenFilter();
    o.mustExist = true;
    const QString path = ChooseOpenFile(this, o);
    if (!path.isEmpty()) OpenColorTable(path);
}

void TformMain::OpenColorTable(const QString& path)
{
    tableFileName_ = path;
    LoadColorTable(path);
}

void TformMain::LoadColorTable(const QString& path)
{
    // A text table's rows are its lines as they stand; a palette's or
    // swatch's are its entries written as table lines.
    QStringList rows;
    const QString ext = table::TblFileExtOf(path);
    if (ext == QLatin1String(".gpl") || ext == QLatin1String(".aco") || ext == QLatin1String(".cgd")) {
        const table::TableData data = table::ReadTableFile(path, conditions_.Values());
        rows = data.lines;
        if (!data.warning.isEmpty()) statusBar()->showMessage(data.warning);
    } else {
        rows = table::ReadTextLines(path);
    }
    SetColorRows(rows);
    // The base name: the file name without its folder and its last four
    // characters (a three-letter extension and its dot).
    const QString name = table::FileNamePart(path);
    const QString base = name.size() > 4 ? name.left(name.size() - 4) : QString();
    labelColFn->setText(QStringLiteral("  ■ ") + base + QLatin1Char(' ') + QString::number(rows.size()) + tr("色"));
}

void TformMain::SetColorRows(const QStringList& rows)
{
    QStringList shown = rows;
    // Sorted mode keeps the rows in ascending order of their texts, letter
    // case ignored; rows of equal text keep their file order.
    if (TblSort1->isChecked())
        std::stable_sort(shown.begin(), shown.end(), [](const QString& a, const QString& b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
    // The row colours follow the rows (the array grows with the table).
    if (!shown.isEmpty()) {
        if (tableColors_.size() < static_cast<std::size_t>(shown.size())) tableColors_.resize(shown.size());
        for (int i = 0; i < shown.size(); ++i) tableColors_[i] = table::RawLineColor(shown[i]);
    }
    cboxColor->clear();
    cboxColor->addItems(shown);
    cboxColor->setCurrentIndex(-1);
    colourFacts_->SetTable(shown);
    UpdateColourFacts();
}

// ---------------------------------------------------------------- copy as

void TformMain::CreateEditMenu()
{
    QMenu* edit = Named(menuBar()->addMenu(tr("編集(&E)")), "Edit1");
    EditCopyCmd = MakeCommand(
        this, "EditCopyCmd", tr("色をコピー(&C)"), tr("現在の色を選んだ形式でクリップボードにコピー"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this](QAction* a) { Guarded(a, [&] { EditCopyClick(); }); });
    EditCopyCmd->setIcon(ThemeIcon("edit-copy"));
    edit->addAction(EditCopyCmd);
    QMenu* formats = Named(edit->addMenu(tr("コピーの形式(&F)")), "CopyFormat1");
    auto* group = new QActionGroup(this);
    auto format = [&](QAction*& a, const char* name, const QString& caption, const char* key) {
        a = Named(formats->addAction(caption), name);
        a->setCheckable(true);
        a->setData(QString::fromLatin1(key));
        group->addAction(a);
    };
    format(CopyHex1, "CopyHex1", QStringLiteral("#RRGGBB"), "hex");
    format(CopyRGB1, "CopyRGB1", QStringLiteral("rgb(r, g, b)"), "css-rgb");
    format(CopyHSL1, "CopyHSL1", QStringLiteral("hsl(h, s%, l%)"), "css-hsl");
    format(CopyTemplate1, "CopyTemplate1", tr("テンプレート"), "template");
    CopyHex1->setChecked(true);
    formats->addSeparator();
    CopyTemplateEdit1 = Named(formats->addAction(tr("テンプレートを編集(&E)...")), "CopyTemplateEdit1");
    connect(CopyTemplateEdit1, &QAction::triggered, this,
            [this] { Guarded(CopyTemplateEdit1, [&] { CopyTemplateEditClick(); }); });
    SetCopyFormat(QStringLiteral("hex"));
}

QString TformMain::CopyFormat() const
{
    for (QAction* a : {CopyHex1, CopyRGB1, CopyHSL1, CopyTemplate1})
        if (a->isChecked()) return a->data().toString();
    return QStringLiteral("hex");
}

void TformMain::SetCopyFormat(const QString& format)
{
    QAction* chosen = CopyHex1;
    for (QAction* a : {CopyHex1, CopyRGB1, CopyHSL1, CopyTemplate1})
        if (a->data().toString() == format) chosen = a;
    chosen->setChecked(true);
    CopyTemplate1->setText(tr("テンプレート: ") + QString(copyTemplate_).replace(u'&', QStringLiteral("&&")));
}

void TformMain::EditCopyClick()
{
    const QString format = CopyFormat();
    const QString text =
        CopyText(format == QLatin1String("template") ? copyTemplate_ : format, curRGB_, conditions_.Values());
    QGuiApplication::clipboard()->setText(text);
    statusBar()->showMessage(tr("コピーしました: ") + text, 3000);
}

void TformMain::CopyTemplateEditClick()
{
    const auto typed = platform::dialogs().inputText(
        this, tr("コピーのテンプレート"),
        tr("{R} {G} {B} は 0..255、{HEX} は 16 進数、{lab.L} {hsv.H} {munsell} などは各モデルの値です。"),
        copyTemplate_);
    if (!typed) return;
    try {
        ColourTemplate check(typed->toStdString());
    } catch (const TemplateError& e) {
        // The template in use stays; the box says what is wrong.
        platform::Warning(this, ErrorText(e));
        return;
    }
    copyTemplate_ = *typed;
    SetCopyFormat(QStringLiteral("template"));
}

void TformMain::CreateTableList(QMenu* file)
{
    // The shipped colour tables, then the user's own (a separator between
    // the folders), read afresh each time the menu opens.
    QMenu* list = Named(file->addMenu(tr("カラーテーブル(&T)")), "TabList1");
    connect(list, &QMenu::aboutToShow, this, [this, list] {
        list->clear();
        QString folder;
        for (const QString& path : ColourTableFiles()) {
            const QFileInfo info(path);
            if (!folder.isEmpty() && info.path() != folder) list->addSeparator();
            folder = info.path();
            QString caption = info.fileName();
            QAction* item = list->addAction(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
            item->setData(path);
            connect(item, &QAction::triggered, this, [this, path] { Guarded(this, [&] { OpenColorTable(path); }); });
        }
        if (list->isEmpty()) list->addAction(tr("（なし）"))->setEnabled(false);
    });
}

void TformMain::cboxColorClick(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= tableColors_.size()) return;
    SetCurRGB(ColorToCode(tableColors_[static_cast<std::size_t>(index)]));
}

void TformMain::cboxColorSelect(int index) { cboxColor->setToolTip(cboxColor->itemText(index)); }

void TformMain::TblEdit1Click()
{
    if (formTblEdit_) {
        formTblEdit_->show();
        formTblEdit_->raise();
    }
}

void TformMain::TblSort1Click()
{
    TblSort1->setChecked(!TblSort1->isChecked());
    QStringList rows;
    for (int i = 0; i < cboxColor->count(); ++i) rows << cboxColor->itemText(i);
    if (TblSort1->isChecked()) {
        SetColorRows(rows);
        return;
    }
    // Back to file order: reload the table; if it can no longer be read the
    // rows stay in their sorted order (the failure is shown).
    LoadColorTable(tableFileName_);
}

// ---------------------------------------------------------------- start-up and exit

void TformMain::FormCreate()
{
    // Each step that fails is reported and the following steps still run,
    // so that a missing data file never costs the user the stored colour,
    // page or window place.
    auto step = [this](auto&& f) { Guarded(this, f); };
    step([] { platform::RegisterCursor(platform::kEyedropperCursor, platform::EyedropperCursor()); });
    if (!platform::WindowPlacementSupported()) {
        Front1->setEnabled(false);
        Front1->setToolTip(tr("このデスクトップ（Wayland）ではウィンドウを常に手前に表示できません"));
    }
    exeDir_ = ProgramFolder();
    step([&] { conditions_.LoadMunsellTable(exeDir_); });
    step([] {
        if (!platform::RegKeyExists(kRegistryRoot)) platform::RegKeyCreate(kRegistryRoot);
    });
    step([&] {
        if (platform::RegKeyExists(kRegistryRoot + QLatin1Char('\\') + objectName()))
            platform::RestoreFormBounds(this, kRegistryRoot);
    });
    RestoreOptionStatus();
}

void TformMain::RestoreOptionStatus()
{
    std::unique_ptr<platform::RegIniFile> reg;
    Guarded(this, [&] { reg = std::make_unique<platform::RegIniFile>(kRegistryRoot); });
    auto readString = [&](const char* name, const QString& def) {
        QString v = def;
        if (reg) Guarded(this, [&] { v = reg->ReadString(kSection, QString::fromLatin1(name), def); });
        return v;
    };
    auto readInteger = [&](const char* name, qint64 def) {
        qint64 v = def;
        if (reg) Guarded(this, [&] { v = reg->ReadInteger(kSection, QString::fromLatin1(name), def); });
        return v;
    };
    tableFileName_ = readString("TableName", QString());
    if (tableFileName_.size() > kMaxPathLength) {
        // A stored name that no file can have is refused at once (loading
        // and reporting it would take long); the default table stands in.
        AppExceptionHandler(this,
                            platform::SettingsError(
                                tr("'TableName' が長すぎます（%1 文字）").arg(tableFileName_.size()).toStdString()));
        tableFileName_.clear();
    }
    if (tableFileName_.isEmpty()) tableFileName_ = exeDir_ + QStringLiteral("/Table/Web標準色.tab");
    Guarded(this, [&] { LoadColorTable(tableFileName_); });
    LiveConv1->setChecked(readInteger("LiveConversion", 0) != 0);
    RestoreCopyFormat(readString("CopyFormat", QStringLiteral("hex")), readString("CopyTemplate", copyTemplate_));
    SetCurRGB(static_cast<RGBCode>(readInteger("RGB", 0)));
    if (auto* munsell = findChild<MunsellPage*>())
        munsell->SetMethod(static_cast<int>(readInteger("MunsellMethod", 0)));
    SetActivePageIndex(static_cast<int>(readInteger("PageIndex", 1)));
    pickCommands_->setAverage(static_cast<int>(std::clamp<qint64>(readInteger("PickAverage", 1), 0, 7)));
    repaint();
}

void TformMain::FormDestroy()
{
    destroyed_ = true;
    Guarded(this, [&] {
        if (platform::RegKeyExists(kRegistryRoot)) platform::StoreFormBounds(this, kRegistryRoot);
    });
    Guarded(this, [&] { StoreOptionStatus(); });
}

void TformMain::StoreOptionStatus()
{
    platform::RegIniFile reg(kRegistryRoot);
    reg.WriteString(kSection, QStringLiteral("TableName"), tableFileName_);
    reg.WriteInteger(kSection, QStringLiteral("RGB"), curRGB_);
    reg.WriteInteger(kSection, QStringLiteral("PageIndex"), ActivePageIndex());
    reg.WriteInteger(kSection, QStringLiteral("MunsellMethod"), static_cast<int>(conditions_.MunsellMethodInUse()));
    reg.WriteInteger(kSection, QStringLiteral("PickAverage"), pickCommands_->average());
    reg.WriteString(kSection, QStringLiteral("CopyFormat"), CopyFormat());
    reg.WriteInteger(kSection, QStringLiteral("LiveConversion"), LiveConv1->isChecked() ? 1 : 0);
    reg.WriteString(kSection, QStringLiteral("CopyTemplate"), copyTemplate_);
}

void TformMain::RestoreCopyFormat(const QString& format, const QString& templ)
{
    // A stored template that cannot be read (the file was edited by hand)
    // is reported and the default one stays.
    if (templ.size() > kMaxTemplateLength) {
        AppExceptionHandler(this, platform::SettingsError(
                                      tr("'CopyTemplate' が長すぎます（%1 文字）").arg(templ.size()).toStdString()));
    } else {
        try {
            ColourTemplate check(templ.toStdString());
            copyTemplate_ = templ;
        } catch (const TemplateError& e) {
            AppExceptionHandler(this, platform::SettingsError("'CopyTemplate': " + ErrorText(e).toStdString()));
        }
    }
    SetCopyFormat(format);
}

}  // namespace qolvar::app
