// The VIDEO page: the current colour as luma and two colour differences in
// YUV, YCbCr, YPbPr or YIQ.
#pragma once

#include "colour/codes.h"
#include "colour/videostandard.h"
#include "pages/pages.h"

#include <optional>

class QButtonGroup;
class QComboBox;
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

    // The studio standard YCbCr and YPbPr follow: none for the classic
    // 8-bit models (the default). YUV and YIQ are always the classic ones.
    std::optional<VideoStandard> Standard() const;
    // Chooses the standard by its item indices (standard 0 classic, 1
    // BT.601, 2 BT.709, 3 BT.2020; range 0 narrow, 1 full; bits 8, 10 or
    // 12), as the settings keep them; anything else is the default.
    void SetStandard(int standard, int range, int bits);
    int StandardIndex() const;
    int RangeIndex() const;
    int Bits() const;
    void ComboBoxVideoChange();

    QGroupBox* RadioGroupYx1x2 = nullptr;
    QLabel *LabelYx1x2 = nullptr, *LabelYx1x20 = nullptr;
    QLabel *LabelYx1x23 = nullptr, *LabelYx1x22 = nullptr, *LabelYx1x21 = nullptr;
    platform::SpinEdit *SpinEditYx1x23 = nullptr, *SpinEditYx1x22 = nullptr, *SpinEditYx1x21 = nullptr;

    QLabel *LabelVideoStandard = nullptr, *LabelVideoRange = nullptr, *LabelVideoBits = nullptr;
    QComboBox *ComboBoxVideoStandard = nullptr, *ComboBoxVideoRange = nullptr, *ComboBoxVideoBits = nullptr;

private:
    // The mode's fields, captions and choices for the current standard.
    void ShowMode();
    // The standard when the mode is one it applies to.
    std::optional<VideoStandard> ActiveStandard() const;
    void DspStandard(const VideoStandard& standard, RGBCode rgb);
    void TypedStandard(const VideoStandard& standard);
    QString StandardText(const VideoStandard& standard) const;

    QButtonGroup* modes_ = nullptr;
};

}  // namespace qolvar::app
