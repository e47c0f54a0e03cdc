#pragma once

#include "pages.h"

namespace qolvar::app {

class VideoPage : public ModelPage {
    Q_OBJECT
public:
    VideoPage(TformMain& main, QWidget* parent);
    void Refresh() override { btYx1x2Click(); }
    void btYx1x2Click();
};

}  // namespace qolvar::app
