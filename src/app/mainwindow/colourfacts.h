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
    // Shows the facts of the current colour and the refreshed colour. Table
    // colours are sRGB colours: the nearest entry is found under the
    // start-up gamma and D65 (kNamedColourConditions), whatever the CIE
    // page's choices.
    void Show(RGBCode current, RGBCode refreshed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Candidate {
        RGBCode code;
        QString name;
    };
    void RebuildLabsIfStale();
    // Shows the nearest entry's text, shortened to the label's width.
    void ElideNearest();

    QLabel* labelNearest_ = nullptr;
    QLabel* labelContrast_ = nullptr;
    QString nearest_;
    std::vector<Candidate> candidates_;
    // The candidates' L*a*b*, made at the first Show after SetTable.
    std::vector<LabValue> labs_;
};

// The conditions the nearest table colour is found under: the program's
// start-up gamma 2.2 and the D65 white, as `qolvar-cli nearest` does.
inline const ConversionConditions kNamedColourConditions{};

}  // namespace qolvar::app
