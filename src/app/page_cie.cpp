#include "page_cie.h"

#include "mainwindow.h"

namespace qolvar::app {

CIEPage::CIEPage(TformMain& main, QWidget* parent) : ModelPage(main, parent) {}

void CIEPage::btCIEClick() {}

}  // namespace qolvar::app
