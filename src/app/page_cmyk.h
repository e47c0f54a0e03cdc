#pragma once

#include "pages.h"

namespace qolvar::app {

class CMYKPage : public ModelPage {
    Q_OBJECT
public:
    CMYKPage(TformMain& main, QWidget* parent);
    void Refresh() override { btCMYKClick(); }
    void btCMYKClick();
};

}  // namespace qolvar::app
