#include "page_munsell.h"

#include "mainwindow.h"

namespace qolvar::app {

MunsellPage::MunsellPage(TformMain& main, QWidget* parent) : ModelPage(main, parent) {}

void MunsellPage::btHVCClick() {}

}  // namespace qolvar::app
