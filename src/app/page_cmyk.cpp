#include "page_cmyk.h"

#include "mainwindow.h"

namespace qolvar::app {

CMYKPage::CMYKPage(TformMain& main, QWidget* parent) : ModelPage(main, parent) {}

void CMYKPage::btCMYKClick() {}

}  // namespace qolvar::app
