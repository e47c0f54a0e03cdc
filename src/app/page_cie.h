#pragma once

#include "pages.h"

namespace qolvar::app {

class CIEPage : public ModelPage {
    Q_OBJECT
public:
    CIEPage(TformMain& main, QWidget* parent);
    void Refresh() override { btCIEClick(); }
    void btCIEClick();
};

}  // namespace qolvar::app
