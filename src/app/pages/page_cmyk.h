// The CMYK page: cyan, magenta, yellow and key of the current colour, each as
// a track bar and a spin edit, computed by the classic formula (0..255 or
// percent, with the packed code) or by a CMYK ICC profile (ink percentages
// with two decimals) under a rendering intent.
#pragma once

#include <QString>
#include <optional>

#include "colour/codes.h"
#include "colour/icc.h"
#include "pages/pages.h"

class QCheckBox;
class QComboBox;
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

    // How CMYK is computed, as the settings keep it: the profile's path
    // (empty: the formula), the intent (0 perceptual, 1 relative
    // colorimetric, 2 saturation, 3 absolute colorimetric; anything else is
    // relative) and black-point compensation. A profile that cannot be used
    // leaves the formula in use; the reason is returned, and no box shown.
    std::optional<QString> SetProfile(const QString& path, int intent, bool blackPointCompensation);
    // The profile in use, empty for the formula.
    QString ProfilePath() const { return profilePath_; }
    // The profile to remember: the one in use, or a stored one that could
    // not be read at the start (a file on a drive not mounted yet) until the
    // user chooses anything else, so that it is not forgotten.
    QString StoredProfilePath() const { return profilePath_.isEmpty() ? unreadProfilePath_ : profilePath_; }
    int IntentIndex() const;
    bool BlackPointCompensation() const;
    // The choice of cboxCMYKProfile: the formula, a profile, or "Other…",
    // which asks for a file. A profile refused is reported and the choice
    // goes back to what it was.
    void cboxCMYKProfileChange(int index);
    // A new intent or black-point compensation for the profile in use.
    void cboxCMYKIntentChange();

    // Rows from top to bottom: C (4), M (3), Y (2), K (1).
    QLabel *LabelCMYK4 = nullptr, *LabelCMYK3 = nullptr, *LabelCMYK2 = nullptr, *LabelCMYK1 = nullptr;
    QSlider *TrackBarCMYK4 = nullptr, *TrackBarCMYK3 = nullptr, *TrackBarCMYK2 = nullptr, *TrackBarCMYK1 = nullptr;
    platform::SpinEdit *SpinEditCMYK4 = nullptr, *SpinEditCMYK3 = nullptr, *SpinEditCMYK2 = nullptr,
                       *SpinEditCMYK1 = nullptr;
    QLabel *LabelCPer4 = nullptr, *LabelCPer3 = nullptr, *LabelCPer2 = nullptr, *LabelCPer1 = nullptr;
    QLabel *LabelCMYK = nullptr, *LabelCMYK0 = nullptr;
    QCheckBox* ckCMYK = nullptr;
    QLabel *LabelCMYKProfile = nullptr, *LabelCMYKIntent = nullptr;
    QComboBox *cboxCMYKProfile = nullptr, *cboxCMYKIntent = nullptr;
    QCheckBox* ckCMYKBPC = nullptr;

private:
    void CreateRows();
    void CreateProfileControls();
    // The code the track bars hold.
    CMYKCode TrackBarCode() const;
    // The inks the track bars hold (hundredths of a percent).
    icc::Ink TrackBarInk() const;
    void DspInk(const icc::Ink& ink);
    void TypedInks();
    // Makes the profile at path, under the intent, the one in use; throws
    // icc::ProfileError and leaves everything as it was when it cannot
    // serve.
    void UseProfile(const QString& path, icc::Intent intent, bool blackPointCompensation);
    void UseFormula();
    // The profile box shows the choice in use (an item is added for a
    // profile not yet listed), and the intent and black-point boxes the
    // converter's.
    void ShowChoice();
    // Ranges, decimals and which controls apply, for the choice in use; the
    // fields then show the current colour (no handler runs).
    void ShowMode();
    int OtherIndex() const;

    QString profilePath_, unreadProfilePath_;
    icc::ProfilePtr profile_;
    std::optional<icc::CMYKConverter> converter_;
    icc::Intent intent_ = icc::Intent::Relative;
    bool blackPointCompensation_ = false;
};

}  // namespace qolvar::app
