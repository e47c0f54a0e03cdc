#include "mainwindow/colourtable.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <algorithm>

#include "mainwindow/colortablecombo.h"
#include "table/entry.h"
#include "table/filenames.h"
#include "table/tablefile.h"
#include "table/textio.h"
#include "table/texts.h"
#include "widgets/accessible.h"
#include "widgets/files.h"
#include "widgets/themeicons.h"
#include "widgets/winhelpers.h"

namespace qolvar::app {

ColourTableDropDown::ColourTableDropDown(QWidget* window, QWidget* parent, Host host)
    : QObject(window), window_(window), host_(std::move(host))
{
    setObjectName(QStringLiteral("ColourTable"));
    labelColFn = Named(new QLabel(tr("■ Web標準色 140色"), parent), "labelColFn");
    labelColFn->setTextFormat(Qt::PlainText);  // a file name
    cboxColor = Named(new ColorTableCombo(
                          [this](int row) {
                              return row >= 0 && static_cast<std::size_t>(row) < tableColors_.size()
                                         ? tableColors_[static_cast<std::size_t>(row)]
                                         : TColor{0};
                          },
                          parent),
                      "cboxColor");
    connect(cboxColor, &QComboBox::activated, this, [this](int index) {
        host_.guarded(cboxColor, [&] {
            cboxColorClick(index);
            cboxColorSelect(index);
        });
    });
    TableLoadCmd = MakeCommand(window, "TableLoadCmd", tr("外部カラーテーブルを開く(&G)..."),
                               tr("外部カラーテーブルを開く"), QKeySequence(Qt::CTRL | Qt::Key_G),
                               [this](QAction* a) { host_.guarded(a, [&] { TabLoad1Click(); }); });
    TableLoadCmd->setStatusTip(TableLoadCmd->toolTip());
    TableLoadCmd->setIcon(ThemeIcon("folder-open"));
    TblSort1 = MakeCommand(window, "TblSort1", tr("色見本をソート(&S)"), QString(), QKeySequence(), [this](QAction* a) {
        // A check entry's handler toggles the mark itself.
        a->setChecked(!a->isChecked());
        host_.guarded(a, [&] { TblSort1Click(); });
    });
    TblSort1->setCheckable(true);
    // What a screen reader says of the controls.
    Describe(cboxColor, QT_TRANSLATE_NOOP("Accessible", "カラーテーブル"),
             QT_TRANSLATE_NOOP("Accessible", "カラーテーブルの色。選んだ色が現在の色になる"));
}

void ColourTableDropDown::AddTableList(QMenu* file)
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
            connect(item, &QAction::triggered, this,
                    [this, item, path] { host_.guarded(item, [&] { OpenColorTable(path); }); });
        }
        if (list->isEmpty()) list->addAction(tr("（なし）"))->setEnabled(false);
    });
}

void ColourTableDropDown::TabLoad1Click()
{
    platform::FileDialogOptions o;
    o.filter = table::TblOpenFilter();
    o.mustExist = true;
    const QString path = ChooseOpenFile(window_, o);
    if (!path.isEmpty()) OpenColorTable(path);
}

void ColourTableDropDown::OpenColorTable(const QString& path)
{
    tableFileName_ = path;
    LoadColorTable(path);
}

void ColourTableDropDown::LoadColorTable(const QString& path)
{
    // A text table's rows are its lines as they stand; a palette's or
    // swatch's are its entries written as table lines.
    table::RequireRegularFile(path);
    QStringList rows;
    const QString ext = table::TblFileExtOf(path);
    if (ext == QLatin1String(".gpl") || ext == QLatin1String(".aco") || ext == QLatin1String(".cgd")) {
        const table::TableData data = table::ReadTableFile(path, host_.conditions());
        rows = data.lines;
        if (!data.warning.isEmpty()) host_.say(data.warning);
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

void ColourTableDropDown::SetColorRows(const QStringList& rows)
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
    // A row shows at most kMaxShownChars of its line.
    for (QString& row : shown) row = ShownText(row);
    cboxColor->addItems(shown);
    cboxColor->setCurrentIndex(-1);
    emit rowsChanged(shown);
}

void ColourTableDropDown::ShowTableEntryOf(RGBCode rgb)
{
    // The drop-down shows the colour's entry when the table has one (the
    // row it shows already when that one matches), else none: a name left
    // over from an earlier colour would be wrong.
    const TColor colour = CodeToColor(rgb & 0xFFFFFF);
    const int count = std::min(cboxColor->count(), static_cast<int>(tableColors_.size()));
    const int current = cboxColor->currentIndex();
    if (current >= 0 && current < count && tableColors_[static_cast<std::size_t>(current)] == colour) return;
    int found = -1;
    for (int i = 0; i < count && found < 0; ++i)
        if (tableColors_[static_cast<std::size_t>(i)] == colour) found = i;
    cboxColor->setCurrentIndex(found);
}

void ColourTableDropDown::cboxColorClick(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= tableColors_.size()) return;
    host_.take(ColorToCode(tableColors_[static_cast<std::size_t>(index)]));
}

void ColourTableDropDown::cboxColorSelect(int index)
{
    cboxColor->setToolTip(PlainToolTip(cboxColor->itemText(index)));
}

void ColourTableDropDown::TblSort1Click()
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

}  // namespace qolvar::app
