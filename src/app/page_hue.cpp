#include "page_hue.h"

#include "mainwindow.h"

namespace qolvar::app {

HuePage::HuePage(TformMain& main, QWidget* parent) : ModelPage(main, parent) {}

void HuePage::btHueClick() {}

}  // namespace qolvar::app
