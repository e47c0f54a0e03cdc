// The HUE page: the current colour as HSV or HLS, with a colour field and a
// strip beside it to pick from with the mouse.
//
// HueCode layout (colour/hue.h): the hue in bits 16 and up, then the middle
// byte (HSV saturation, HLS lightness) and the low byte (HSV value, HLS
// saturation). SpinEditHUE2 shows the middle byte and SpinEditHUE1 the low
// byte, in percent or on the 0..255 scale.
//
// The field and the strip:
//   HSV  field x = S, field y = 255 - V, strip row = the hue row
//        (hue = Round(row × 1.40625)); the field changes with the hue only.
//   HLS  field x = hue in degrees, field y = 255 - S, a fixed picture at
//        lightness 128; strip row = 255 - L at the current hue and S.
#pragma once

#include "colour/codes.h"
#include "pages/huefield.h"
#include "pages/pages.h"

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;

namespace qolvar::platform {
class SpinEdit;
}

namespace qolvar::app {

class HuePage : public ModelPage {
    Q_OBJECT
public:
    // Item indices of RadioGroupHue.
    enum Mode { kHSV = 0, kHLS = 1 };

    HuePage(AppHost& host, QWidget* parent);
    void Refresh() override { btHueClick(); }

    // Refresh from CurRGB (also ckHUE's click handler, run without the
    // update guard).
    void btHueClick();
    // Shows a code: moves the markers, writes the spin edits in the
    // current scale and the code label.
    void DspHUE(HueCode code);
    void SpinEditHUE3Change();
    // Handler of SpinEditHUE2 and SpinEditHUE1 (and the tail of
    // SpinEditHUE3Change): the typed values become the current colour.
    void SpinEditHUE1Change();
    void RadioGroupHueClick();

    // The colour field (HSV) and the strip, painted anew.
    void Gradation1();
    void Gradation2();
    void PaintBox1Paint();
    void PaintBox2Paint();
    void PaintBox1MouseDown(int x, int y);
    void PaintBox1MouseMove(int x, int y);
    void PaintBox1MouseUp();
    void PaintBox2MouseDown(int y);
    void PaintBox2MouseMove(int y);
    void PaintBox2MouseUp();
    // Applies StripRow after the strip's bar was moved.
    void TrackBarHUEChange();

    int ModeIndex() const;

    QGroupBox* RadioGroupHue = nullptr;
    QLabel *LabelHUE = nullptr, *LabelHUE0 = nullptr, *LabelHUE1 = nullptr, *LabelHUE2 = nullptr, *LabelHUE3 = nullptr,
           *Label4 = nullptr, *LabelHPer1 = nullptr, *LabelHPer2 = nullptr;
    platform::SpinEdit *SpinEditHUE1 = nullptr, *SpinEditHUE2 = nullptr, *SpinEditHUE3 = nullptr;
    QCheckBox* ckHUE = nullptr;
    QFrame *HUEPanel1 = nullptr, *HUEPanel2 = nullptr;
    PaintBox *PaintBox1 = nullptr, *PaintBox2 = nullptr;
    PictureBox* Image1 = nullptr;

    // The strip row of the current strip quantity: the hue row in HSV,
    // 255 - L in HLS.
    int StripRow = 255;
    bool FieldDragging = false;
    bool StripDragging = false;
    // The field's circle is drawn at FieldMarkerRect.
    bool MarkerShown = false;
    TRect FieldMarkerRect;
    // What of the circle lies beyond the field's edges.
    MarkerOverhang* overhang_ = nullptr;
    TRect StripMarkerRect;

private:
    void CreateModes();
    void CreateValueControls();
    void CreateFieldAndStrip();
    void ConnectControls();
    void SetModeLayout(int mode);
    void MoveMarkers(HueCode code);
    // Paints the HLS strip for hue, lightness and saturation, with its bar.
    void PaintStripHLS(std::uint32_t hue, std::uint32_t lightness, std::uint32_t saturation);
    // The 0..255 byte of the two lower quantities in the current display
    // scale.
    std::uint32_t ByteOf(std::int64_t shown) const;

    QButtonGroup* modes_ = nullptr;
};

}  // namespace qolvar::app
