// The Munsell page: the current colour as hue, value and chroma (H V/C) from
// a renotation table, beside the Yxy values the conversion goes through.
#pragma once

#include "colour/codes.h"
#include "pages/pages.h"

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
    void ComboBoxHVCMethodChange();
    // Shows and uses a conversion method by its item index (0 the table
    // search, 1 the renotation's interpolation; any other index: 0).
    void SetMethod(int index);

    // The hue text of a hue number (H < 0: neutral "N").
    static QString HueText(float H);

    QLabel* LabelHVC = nullptr;
    QComboBox* ComboBoxHVC = nullptr;
    QComboBox* ComboBoxHVCMethod = nullptr;
    QLabel *LabelHVC3 = nullptr, *LabelHVC2 = nullptr, *LabelHVC1 = nullptr, *Label6 = nullptr;
    QLineEdit *EditHVC3 = nullptr, *EditHVC2 = nullptr, *EditHVC1 = nullptr;
    QLabel *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr;
    QLineEdit *EditHVCxyY3 = nullptr, *EditHVCxyY2 = nullptr, *EditHVCxyY1 = nullptr;
};

}  // namespace qolvar::app
