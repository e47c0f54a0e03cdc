#include "mainwindow/copyas.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "colour/colourformat.h"
#include "platform/dialogs.h"
#include "platform/settings.h"
#include "widgets/errortext.h"
#include "widgets/themeicons.h"
#include "widgets/winhelpers.h"

namespace qolvar::app {

namespace {
// A copy template longer than this is no template anybody typed.
constexpr qsizetype kMaxTemplateLength = 4096;
}  // namespace

CopyAs::CopyAs(QWidget* window, QMenuBar* bar, Host host) : QObject(window), window_(window), host_(std::move(host))
{
    setObjectName(QStringLiteral("CopyAs"));
    QMenu* edit = Named(bar->addMenu(tr("編集(&E)")), "Edit1");
    EditCopyCmd =
        MakeCommand(window, "EditCopyCmd", tr("色をコピー(&C)"), tr("現在の色を選んだ形式でクリップボードにコピー"),
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                    [this](QAction* a) { host_.guarded(a, [&] { EditCopyClick(); }); });
    EditCopyCmd->setIcon(ThemeIcon("edit-copy"));
    edit->addAction(EditCopyCmd);
    QMenu* formats = Named(edit->addMenu(tr("コピーの形式(&F)")), "CopyFormat1");
    auto* group = new QActionGroup(this);
    auto format = [&](QAction*& a, const char* name, const QString& caption, const char* key) {
        a = Named(formats->addAction(caption), name);
        a->setCheckable(true);
        a->setData(QString::fromLatin1(key));
        group->addAction(a);
        formats_.push_back(a);
    };
    format(CopyHex1, "CopyHex1", QStringLiteral("#RRGGBB"), "hex");
    format(CopyRGB1, "CopyRGB1", QStringLiteral("rgb(r, g, b)"), "css-rgb");
    format(CopyHSL1, "CopyHSL1", QStringLiteral("hsl(h, s%, l%)"), "css-hsl");
    format(CopyHWB1, "CopyHWB1", QStringLiteral("hwb(h w% b%)"), "css-hwb");
    format(CopyLab1, "CopyLab1", QStringLiteral("lab(L a b)"), "css-lab");
    format(CopyLCh1, "CopyLCh1", QStringLiteral("lch(L C h)"), "css-lch");
    format(CopyOkLab1, "CopyOkLab1", QStringLiteral("oklab(L a b)"), "css-oklab");
    format(CopyOkLCh1, "CopyOkLCh1", QStringLiteral("oklch(L C h)"), "css-oklch");
    format(CopyP31, "CopyP31", QStringLiteral("color(display-p3 r g b)"), "css-p3");
    format(CopyTemplate1, "CopyTemplate1", tr("テンプレート"), "template");
    CopyHex1->setChecked(true);
    formats->addSeparator();
    CopyTemplateEdit1 = Named(formats->addAction(tr("テンプレートを編集(&E)...")), "CopyTemplateEdit1");
    connect(CopyTemplateEdit1, &QAction::triggered, this,
            [this] { host_.guarded(CopyTemplateEdit1, [&] { CopyTemplateEditClick(); }); });
    SetCopyFormat(QStringLiteral("hex"));
}

QString CopyAs::CopyFormat() const
{
    for (QAction* a : formats_)
        if (a->isChecked()) return a->data().toString();
    return QStringLiteral("hex");
}

void CopyAs::SetCopyFormat(const QString& format)
{
    QAction* chosen = CopyHex1;
    for (QAction* a : formats_)
        if (a->data().toString() == format) chosen = a;
    chosen->setChecked(true);
    CopyTemplate1->setText(tr("テンプレート: ") + QString(copyTemplate_).replace(u'&', QStringLiteral("&&")));
}

void CopyAs::EditCopyClick()
{
    const QString format = CopyFormat();
    const QString text =
        CopyText(format == QLatin1String("template") ? copyTemplate_ : format, host_.colour(), host_.conditions());
    QGuiApplication::clipboard()->setText(text);
    host_.say(tr("コピーしました: ") + text, 3000);
}

void CopyAs::CopyTemplateEditClick()
{
    const QString help =
        tr("{R} {G} {B} は 0..255、{HEX} は 16 進数、{lab.L} {hsv.H} {munsell} などは各モデルの値です。");
    QString text = copyTemplate_, problem;
    // A template that cannot be read comes back in the box as typed, with
    // what is wrong under the help; the template in use stays until one is
    // accepted or the box is cancelled.
    for (;;) {
        const auto typed =
            platform::dialogs().inputText(window_, tr("コピーのテンプレート"),
                                          problem.isEmpty() ? help : help + QStringLiteral("\n\n") + problem, text);
        if (!typed) return;
        try {
            ColourTemplate check(typed->toStdString());
        } catch (const TemplateError& e) {
            text = *typed;
            problem = ErrorText(e);
            continue;
        }
        copyTemplate_ = *typed;
        SetCopyFormat(QStringLiteral("template"));
        return;
    }
}

void CopyAs::Restore(const QString& format, const QString& templ)
{
    if (templ.size() > kMaxTemplateLength) {
        host_.report(
            platform::SettingsError(tr("'CopyTemplate' が長すぎます（%1 文字）").arg(templ.size()).toStdString()));
    } else {
        try {
            ColourTemplate check(templ.toStdString());
            copyTemplate_ = templ;
        } catch (const TemplateError& e) {
            host_.report(platform::SettingsError("'CopyTemplate': " + ErrorText(e).toStdString()));
        }
    }
    SetCopyFormat(format);
}

QString CopyText(const QString& format, RGBCode code, const ConversionConditions& conditions)
{
    return QString::fromStdString(FormatColour(code & 0xFFFFFF, format.toStdString(), conditions));
}

}  // namespace qolvar::app
