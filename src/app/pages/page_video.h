// The VIDEO page: the current colour as luma and two colour differences in
// YUV, YCbCr, YPbPr or YIQ.
#pragma once

#include "colour/codes.h"
#include "pages/pages.h"

class QButtonGroup;
class QGroupBox;
class QLabel;

namespace qolvar::platform {
class SpinEdit;
}

namespace qolvar::app {

class VideoPage : public ModelPage {
    Q_OBJECT
public:
    // Model indices of RadioGroupYx1x2.
    enum Mode { kYUV = 0, kYCbCr = 1, kYPbPr = 2, kYIQ = 3 };

    VideoPage(AppHost& host, QWidget* parent);
    void Refresh() override { btYx1x2Click(); }

    void btYx1x2Click();
    void DspYx1x2(VideoCode code);
    void SpinEditYx1x21Change();
    void RadioGroupYx1x2Click();

    int ModeIndex() const;

    QGroupBox* RadioGroupYx1x2 = nullptr;
    QLabel *LabelYx1x2 = nullptr, *LabelYx1x20 = nullptr;
    QLabel *LabelYx1x23 = nullptr, *LabelYx1x22 = nullptr, *LabelYx1x21 = nullptr;
    platform::SpinEdit *SpinEditYx1x23 = nullptr, *SpinEditYx1x22 = nullptr, *SpinEditYx1x21 = nullptr;

private:
    QButtonGroup* modes_ = nullptr;
};

}  // namespace qolvar::app
