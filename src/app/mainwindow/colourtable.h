// The main window's colour table: the drop-down of a table's rows
// (cboxColor) under its caption (labelColFn), the commands that open a
// table (TableLoadCmd, Ctrl+G; the File menu's list of tables) and that
// sort the rows (TblSort1). Choosing a row makes its colour current; a
// colour made current shows its row when the table has one.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "colour/codes.h"
#include "colour/conditions.h"

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace qolvar::app {

class ColorTableCombo;

class ColourTableDropDown : public QObject {
    Q_OBJECT
public:
    struct Host {
        // Makes a row's colour current.
        std::function<void(RGBCode)> take;
        // A plain message on the status bar (a table read with a warning).
        std::function<void(const QString&)> say;
        // Runs a command, the library's errors shown.
        std::function<void(QObject*, const std::function<void()>&)> guarded;
        // The conditions L*a*b* swatches are read under.
        std::function<const ConversionConditions&()> conditions;
    };
    // The caption and the drop-down are made on parent; the commands are
    // the window's actions.
    ColourTableDropDown(QWidget* window, QWidget* parent, Host host);

    QLabel* labelColFn = nullptr;
    ColorTableCombo* cboxColor = nullptr;
    QAction* TableLoadCmd = nullptr;
    QAction* TblSort1 = nullptr;

    // Adds the submenu of the shipped and the user's tables (TabList1).
    void AddTableList(QMenu* file);

    // The table file of the drop-down (TableFileName).
    const QString& TableFileName() const { return tableFileName_; }
    // The colour of each row, in the rows' displayed order.
    const std::vector<TColor>& TableColors() const { return tableColors_; }

    // Replaces the rows by the lines of a table file, sets the caption and
    // the row colours (throws when it cannot be read).
    void LoadColorTable(const QString& path);
    // Makes a table file the drop-down's table and loads it; the name is
    // kept even when the file cannot be read.
    void OpenColorTable(const QString& path);
    // Shows the row of a colour, or none.
    void ShowTableEntryOf(RGBCode rgb);

signals:
    // The rows shown, after every load or sort.
    void rowsChanged(const QStringList& rows);

private slots:
    void TabLoad1Click();
    void TblSort1Click();
    void cboxColorClick(int index);
    void cboxColorSelect(int index);

private:
    void SetColorRows(const QStringList& rows);

    QWidget* window_;
    Host host_;
    QString tableFileName_;
    std::vector<TColor> tableColors_;
};

}  // namespace qolvar::app
