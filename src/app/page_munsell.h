#pragma once

#include "pages.h"

namespace qolvar::app {

class MunsellPage : public ModelPage {
    Q_OBJECT
public:
    MunsellPage(TformMain& main, QWidget* parent);
    void Refresh() override { btHVCClick(); }
    void btHVCClick();
};

}  // namespace qolvar::app
