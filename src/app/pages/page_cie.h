// The CIE page: the current colour in XYZ, Yxy, L*a*b* or L*u*v*, with the
// display gamma and the reference white that these conversions use.
#pragma once

#include "pages/pages.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace qolvar::app {

class CIEPage : public ModelPage {
    Q_OBJECT
public:
    // Model indices of RadioGroupCIE.
    enum Mode { kXYZ = 0, kYxy = 1, kLab = 2, kLuv = 3 };

    CIEPage(AppHost& host, QWidget* parent);
    void Refresh() override { btCIEClick(); }

    // Refresh from CurRGB (also run by ckCIE, and by the combo boxes
    // without the update guard).
    void btCIEClick();
    // Writes the three fields (and the code label in L*a*b* / L*u*v*).
    void DspCIE(float first, float second, float third);
    // The edits' change handler: typed values become the current colour.
    void editCIE1Change();
    void RadioGroupCIEClick();
    void ComboBoxCIE2Change();
    void ComboBoxCIE1Change();

    int ModeIndex() const;

    QGroupBox* RadioGroupCIE = nullptr;
    QLabel *LabelCIE = nullptr, *LabelCIE0 = nullptr, *LabelCIE1 = nullptr, *LabelCIE2 = nullptr, *LabelCIE3 = nullptr;
    QLineEdit *editCIE1 = nullptr, *editCIE2 = nullptr, *editCIE3 = nullptr;
    QCheckBox* ckCIE = nullptr;
    QComboBox *ComboBoxCIE2 = nullptr, *ComboBoxCIE1 = nullptr;

private:
    void CreateControls();
    void ConnectControls();

    QButtonGroup* modes_ = nullptr;
};

}  // namespace qolvar::app
