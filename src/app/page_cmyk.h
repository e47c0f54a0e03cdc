// The CMYK page: cyan, magenta, yellow and key of the current colour, each as
// a track bar (0..255) and a spin edit (percent or 0..255), and the packed
// code.
#pragma once

#include "colour/codes.h"
#include "pages.h"

class QCheckBox;
class QLabel;
class QSlider;

namespace qolvar::platform {
class SpinEdit;
}

namespace qolvar::app {

class CMYKPage : public ModelPage {
    Q_OBJECT
public:
    CMYKPage(AppHost& host, QWidget* parent);
    void Refresh() override { btCMYKClick(); }

    // Refresh from CurRGB (also run by ckCMYK, without the update guard).
    void btCMYKClick();
    void DspCMYK(CMYKCode code);
    void TrackBarCMYK1Change();
    void SpinEditCMYK1Change();

    // Rows from top to bottom: C (4), M (3), Y (2), K (1).
    QLabel *LabelCMYK4, *LabelCMYK3, *LabelCMYK2, *LabelCMYK1;
    QSlider *TrackBarCMYK4, *TrackBarCMYK3, *TrackBarCMYK2, *TrackBarCMYK1;
    platform::SpinEdit *SpinEditCMYK4, *SpinEditCMYK3, *SpinEditCMYK2, *SpinEditCMYK1;
    QLabel *LabelCPer4, *LabelCPer3, *LabelCPer2, *LabelCPer1;
    QLabel *LabelCMYK, *LabelCMYK0;
    QCheckBox* ckCMYK;

private:
    void CreateRows();
};

}  // namespace qolvar::app
