// The five model pages of the main window. Each page converts the current
// colour into its model on refresh and converts typed values back.
#pragma once

#include <QWidget>

namespace qolvar::app {

class TformMain;

class ModelPage : public QWidget {
    Q_OBJECT
public:
    ModelPage(TformMain& main, QWidget* parent) : QWidget(parent), main_(main) {}
    // The page's refresh from CurRGB (btCIEClick, btHueClick, …).
    virtual void Refresh() = 0;

protected:
    TformMain& main_;
};

}  // namespace qolvar::app
