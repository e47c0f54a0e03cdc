// The CMYK page: cyan, magenta, yellow and key of the current colour, each as
// a track bar (0..255) and a spin edit (percent or 0..255), and the packed
// code.
#pragma once

#include "colour/codes.h"
#include "pages/pages.h"

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

    // Refresh from CurRGB.
    void btCMYKClick();
    void DspCMYK(CMYKCode code);
    void TrackBarCMYK1Change();
    void SpinEditCMYK1Change();

    // Rows from top to bottom: C (4), M (3), Y (2), K (1).
    QLabel *LabelCMYK4 = nullptr, *LabelCMYK3 = nullptr, *LabelCMYK2 = nullptr, *LabelCMYK1 = nullptr;
    QSlider *TrackBarCMYK4 = nullptr, *TrackBarCMYK3 = nullptr, *TrackBarCMYK2 = nullptr, *TrackBarCMYK1 = nullptr;
    platform::SpinEdit *SpinEditCMYK4 = nullptr, *SpinEditCMYK3 = nullptr, *SpinEditCMYK2 = nullptr,
                       *SpinEditCMYK1 = nullptr;
    QLabel *LabelCPer4 = nullptr, *LabelCPer3 = nullptr, *LabelCPer2 = nullptr, *LabelCPer1 = nullptr;
    QLabel *LabelCMYK = nullptr, *LabelCMYK0 = nullptr;
    QCheckBox* ckCMYK = nullptr;

private:
    void CreateRows();
    // The code the track bars hold.
    CMYKCode TrackBarCode() const;
};

}  // namespace qolvar::app
