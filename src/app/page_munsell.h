// The Munsell page: the current colour as hue, value and chroma (H V/C) from
// a renotation table, beside the Yxy values the conversion goes through.
#pragma once

#include "colour/codes.h"
#include "pages.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace qolvar::app {

class MunsellPage : public ModelPage {
    Q_OBJECT
public:
    MunsellPage(AppHost& host, QWidget* parent);
    void Refresh() override { btHVCClick(); }

    void btHVCClick();
    // Writes hue, value and chroma from a Munsell vector (H, V, C).
    void DspHVC(const TColorVec& hvc);
    // Writes Y, x and y from a Yxy vector (x, y, Y).
    void DspHVCxyY(const TColorVec& yxy);
    void EditHVC1Change();
    void EditHVCxyY1Change();
    void ComboBoxHVCChange();

    // The hue text of a hue number (H < 0: neutral "N").
    static QString HueText(float H);

    QLabel* LabelHVC;
    QComboBox* ComboBoxHVC;
    QLabel *LabelHVC3, *LabelHVC2, *LabelHVC1, *Label6;
    QLineEdit *EditHVC3, *EditHVC2, *EditHVC1;
    QLabel *Label7, *Label8, *Label9;
    QLineEdit *EditHVCxyY3, *EditHVCxyY2, *EditHVCxyY1;
};

}  // namespace qolvar::app
