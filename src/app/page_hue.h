#pragma once

#include "pages.h"

namespace qolvar::app {

class HuePage : public ModelPage {
    Q_OBJECT
public:
    HuePage(TformMain& main, QWidget* parent);
    void Refresh() override { btHueClick(); }
    void btHueClick();
};

}  // namespace qolvar::app
