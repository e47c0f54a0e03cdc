// What the main window does with the current colour: the subscribers of
// CurrentColour (the RGB section, the drop-down's row, the status bar's
// facts, live conversion), the RGB section's handlers, the result swatch
// of the pages, marks on fields that hold no usable value, and the error
// handler.
#include <QAction>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>

#include "colour/csscolour.h"
#include "mainwindow/colourfacts.h"
#include "mainwindow/colourtable.h"
#include "mainwindow/mainwindow.h"
#include "pages/pages.h"
#include "platform/colorpanel.h"
#include "platform/dialogs.h"
#include "platform/spinedit.h"
#include "widgets/errortext.h"
#include "widgets/winhelpers.h"

namespace qolvar::app {

using platform::ColorPanel;
using platform::SpinEdit;

void TformMain::SubscribeToCurrentColour()
{
    // In this order: the RGB section, the drop-down's row of the colour,
    // the status bar's facts, then the active page when live conversion is
    // on. Values typed on a page are not refreshed over.
    connect(&colour_, &CurrentColour::changed, this, [this] { DspRGB(); });
    connect(&colour_, &CurrentColour::changed, table_, &ColourTableDropDown::ShowTableEntryOf);
    connect(&colour_, &CurrentColour::changed, this, [this] { UpdateColourFacts(); });
    connect(&colour_, &CurrentColour::changed, this, [this](RGBCode, CurrentColour::Source source) {
        if (source != CurrentColour::Source::Page) LiveRefreshNow();
    });
    connect(table_, &ColourTableDropDown::rowsChanged, this, [this](const QStringList& rows) {
        colourFacts_->SetTable(rows);
        UpdateColourFacts();
    });
}

int TformMain::ActivePageIndex() const { return noActivePage_ ? -1 : PageControl1->currentIndex(); }

void TformMain::SetActivePageIndex(int index)
{
    if (index >= 0 && index < PageControl1->count()) {
        noActivePage_ = false;
        PageControl1->setCurrentIndex(index);
        PageControl1->currentWidget()->setVisible(true);
    } else {
        // No page active: the tabs stay, the page area is empty until a tab
        // is chosen.
        noActivePage_ = true;
        if (QWidget* w = PageControl1->currentWidget()) w->setVisible(false);
    }
}

void TformMain::DspRGB()
{
    const RGBCode rgb = CurRGB();
    TrackBarRGB3->setValue(static_cast<int>((rgb >> 16) & 0xFF));
    TrackBarRGB2->setValue(static_cast<int>((rgb >> 8) & 0xFF));
    TrackBarRGB1->setValue(static_cast<int>(rgb & 0xFF));
    SpinEditRGB3->setText(QString::number((rgb >> 16) & 0xFF));
    SpinEditRGB2->setText(QString::number((rgb >> 8) & 0xFF));
    SpinEditRGB1->setText(QString::number(rgb & 0xFF));
    // The handlers set off above may have rebuilt CurRGB: read it afresh.
    editRGBHEX->setText(HexText(CurRGB()));
    ClearProblem({editRGBHEX});
    MappedMark1->setVisible(false);
    Panel1->setColor(CodeToColor(CurRGB()));
}

void TformMain::SetColourView(ColourView view)
{
    colourView_ = view;
    viewActions_[ColourViewIndex(view)]->setChecked(true);
    const QString note = view ? tr("%1の見え方で塗っています").arg(DeficiencyName(*view)) : QString();
    auto tip = [&](const QString& what) { return note.isEmpty() ? what : what + QLatin1Char('\n') + note; };
    Panel1->setToolTip(tip(tr("現在の色")));
    Panel4->setToolTip(tip(tr("前回更新時の色")));
    Panel2->setToolTip(note);
    for (ColorPanel* panel : {Panel1, Panel2, Panel4}) panel->update();
    // The editor's rows and swatches ask SwatchView when they are painted.
    if (formTblEdit_) formTblEdit_->update();
}

void TformMain::DspDsetRGB(RGBCode rgb)
{
    Panel2->setColor(CodeToColor(rgb));
    Label3->setText(QStringLiteral("#") + HexText(rgb));
}

void TformMain::SetCurRGB(RGBCode rgb, CurrentColour::Source source) { colour_.Set(rgb, source); }

void TformMain::TakeTypedColour(RGBCode rgb)
{
    DspDsetRGB(rgb);
    colour_.Set(rgb, CurrentColour::Source::Page);
}

void TformMain::OverErr()
{
    platform::dialogs().beep();
    platform::Warning(this, tr("値が範囲外です！"), platform::kYes);
}

void TformMain::ShowProblem(const QList<QWidget*>& group, const QList<QWidget*>& marked, const QString& why)
{
    for (QWidget* f : group) SetFieldMarked(f, false);
    for (QWidget* f : marked) {
        SetFieldMarked(f, true);
        if (!markedFields_.contains(f)) markedFields_.append(f);
    }
    platform::dialogs().beep();
    statusBar()->showMessage(why);
}

void TformMain::ClearProblem(const QList<QWidget*>& group)
{
    for (QWidget* f : group) SetFieldMarked(f, false);
    markedFields_.removeIf([](const QPointer<QWidget>& f) { return !FieldMarked(f); });
    if (markedFields_.isEmpty()) statusBar()->clearMessage();
}

void TformMain::TrackBarRGB1Change()
{
    if (InUpdate()) return;
    SetCurRGB(static_cast<RGBCode>(TrackBarRGB3->value() & 0xFF) << 16 |
                  static_cast<RGBCode>(TrackBarRGB2->value() & 0xFF) << 8 |
                  static_cast<RGBCode>(TrackBarRGB1->value() & 0xFF),
              CurrentColour::Source::RGBSection);
}

void TformMain::SpinEditRGB1Change()
{
    if (InUpdate()) return;
    // A field that is not a number (empty while typing, a lone sign) leaves
    // everything as it is.
    if (const auto rgb = RGBOfSpins(SpinEditRGB3, SpinEditRGB2, SpinEditRGB1))
        SetCurRGB(*rgb, CurrentColour::Source::RGBSection);
}

void TformMain::editRGBHEXChange()
{
    if (InUpdate()) return;
    const QString text = editRGBHEX->text();
    std::string why;
    const auto colour = ReadCssColour(text.toStdString(), &why);
    // Text that is no colour stays as typed, marked; the colour stays. Text
    // that looks like a code keeps the code's message.
    if (!colour) {
        const bool hexLike = text.trimmed().startsWith(QLatin1Char('#')) || !text.contains(QLatin1Char('('));
        ShowProblem({editRGBHEX}, {editRGBHEX},
                    hexLike ? tr("16 進数の色コードではありません")
                            : tr("色として読めません: %1").arg(QString::fromStdString(why)));
        return;
    }
    ClearProblem({editRGBHEX});
    SetCurRGB(colour->code, CurrentColour::Source::RGBSection);
    MappedMark1->setVisible(colour->mapped);
    // A colour outside sRGB, or with an alpha, says what became of it.
    QStringList notes;
    if (colour->mapped)
        notes << tr("sRGB の範囲外の色を #%1 に写しました").arg(QString::fromStdString(CodeToHex(colour->code)));
    if (colour->hadAlpha) notes << tr("透明度は使いません");
    if (!notes.isEmpty()) statusBar()->showMessage(notes.join(QStringLiteral("  ")), 10000);
}

bool TformMain::eventFilter(QObject* watched, QEvent* event)
{
    const auto* page = qobject_cast<ModelPage*>(watched);
    if ((event->type() == QEvent::Resize || event->type() == QEvent::Move) &&
        ((page && page->isVisible()) || watched == PageControl1))
        PlaceResultSwatch();
    // The field applies its text when the user leaves it, not when the
    // window merely loses activation or a menu opens over it.
    if (watched == editRGBHEX && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason)
            Guarded(editRGBHEX, [&] { editRGBHEXChange(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TformMain::BitBtn1Click()
{
    {
        GuardScope guard(InUpdate());
        RefreshActivePage();
    }
    Panel4->setColor(Panel1->color());
    UpdateColourFacts();
}

void TformMain::RefreshActivePage()
{
    const int index = ActivePageIndex();
    if (index < 0 || index >= static_cast<int>(pages_.size())) return;
    ModelPage* page = pages_[static_cast<std::size_t>(index)];
    page->Refresh();
    // The refreshed page shows usable values only.
    QList<QWidget*> shown;
    for (const QPointer<QWidget>& f : markedFields_)
        if (f && page->isAncestorOf(f)) shown.append(f);
    ClearProblem(shown);
}

void TformMain::LiveRefresh()
{
    if (!InUpdate()) LiveRefreshNow();
}

void TformMain::LiveRefreshNow()
{
    if (!LiveConv1 || !LiveConv1->isChecked()) return;
    GuardScope guard(InUpdate()), quiet(liveRefresh_);
    // The page follows the colour as the refresh command shows it, without
    // a log line; the colour of the last refresh stays. A conversion that
    // fails (L*u*v* of black) is said in the status bar, not in a box that
    // would interrupt a drag.
    try {
        RefreshActivePage();
    } catch (const ColourError& e) {
        statusBar()->showMessage(ErrorText(e), 5000);
    }
}

void TformMain::Panel1Click()
{
    if (InUpdate()) return;
    const auto chosen = platform::dialogs().chooseColor(this, platform::ToQColor(Panel1->color()));
    if (chosen) SetCurRGB(ColorToCode(platform::FromQColor(*chosen)), CurrentColour::Source::Dialog);
}

void TformMain::UpdateColourFacts() { colourFacts_->Show(CurRGB(), ColorToCode(Panel4->color())); }

void TformMain::Panel4Click() { SetCurRGB(ColorToCode(Panel4->color()), CurrentColour::Source::LastRefresh); }

// ---------------------------------------------------------------- errors

void TformMain::AppExceptionHandler(QObject*, const std::exception& e)
{
    if (dynamic_cast<const ConvertError*>(&e)) return;
    QString message = ErrorText(e);
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) message += QLatin1Char('.');
    platform::dialogs().message(this, platform::MsgKind::Error, QStringLiteral("Qolvar"), message, platform::kOk);
}

}  // namespace qolvar::app
