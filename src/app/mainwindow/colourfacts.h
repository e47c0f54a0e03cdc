// What the main window tells about the current colour besides its codes:
// the nearest entry of the loaded colour table by CIEDE2000 with its ΔE00,
// and the WCAG 2 contrast ratio between the current colour and the colour
// at the last refresh, with the levels it passes. Both sit in the status
// bar as normal widgets, so a problem message hides them while it is shown.
#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

#include "colour/codes.h"
#include "colour/conditions.h"
#include "colour/deltae.h"

class QLabel;

namespace qolvar::app {

class ColourFacts : public QWidget {
    Q_OBJECT
public:
    explicit ColourFacts(QWidget* parent = nullptr);

    // The table's rows (lines as the drop-down shows them); their names and
    // colours are the candidates of the nearest entry.
    void SetTable(const QStringList& rows);
    // Shows the facts of the current colour and the refreshed colour; the
    // L*a*b* values follow the conditions' gamma and white.
    void Show(RGBCode current, RGBCode refreshed, const ConversionConditions& conditions);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Candidate {
        RGBCode code;
        QString name;
    };
    void RebuildLabsIfStale(const ConversionConditions& conditions);
    // Shows the nearest entry's text, shortened to the label's width.
    void ElideNearest();

    QLabel* labelNearest_ = nullptr;
    QLabel* labelContrast_ = nullptr;
    QString nearest_;
    std::vector<Candidate> candidates_;
    // The candidates' L*a*b* under the gamma and white they were computed
    // with.
    std::vector<LabValue> labs_;
    float labsGamma_ = 0;
    WhitePoint labsWhite_{0, 0, 0};
};

}  // namespace qolvar::app
