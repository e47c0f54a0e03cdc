// How the windows paint colours: as they are, or as a colour-vision
// deficiency (palette.h, severity kViewSeverity) shows them. Only swatches
// are painted so; every code and number stays the true colour.
#pragma once

#include <QString>
#include <optional>

#include "colour/codes.h"
#include "colour/palette.h"

namespace qolvar::app {

// None: normal colour vision.
using ColourView = std::optional<Deficiency>;

inline constexpr double kViewSeverity = 1.0;

// The colour as the view shows it.
TColor ShownColour(TColor colour, ColourView view);

// The deficiency's name ("1型色覚" …).
QString DeficiencyName(Deficiency deficiency);

// The view as a stored number (0 normal, 1 protan, 2 deutan, 3 tritan) and
// back; other numbers are normal vision.
int ColourViewIndex(ColourView view);
ColourView ColourViewOfIndex(long long index);

}  // namespace qolvar::app
