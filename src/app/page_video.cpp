#include "page_video.h"

#include "mainwindow.h"

namespace qolvar::app {

VideoPage::VideoPage(TformMain& main, QWidget* parent) : ModelPage(main, parent) {}

void VideoPage::btYx1x2Click() {}

}  // namespace qolvar::app
