#include "widgets/colourview.h"

#include <QCoreApplication>

namespace qolvar::app {

TColor ShownColour(TColor colour, ColourView view)
{
    if (!view) return colour & 0xFFFFFF;
    return CodeToColor(SimulateDeficiency(ColorToCode(colour), *view, kViewSeverity));
}

QString DeficiencyName(Deficiency deficiency)
{
    switch (deficiency) {
    case Deficiency::Protan: return QCoreApplication::translate("ColourView", "1型色覚");
    case Deficiency::Deutan: return QCoreApplication::translate("ColourView", "2型色覚");
    case Deficiency::Tritan: break;
    }
    return QCoreApplication::translate("ColourView", "3型色覚");
}

int ColourViewIndex(ColourView view) { return view ? static_cast<int>(*view) + 1 : 0; }

ColourView ColourViewOfIndex(long long index)
{
    if (index < 1 || index > 3) return std::nullopt;
    return static_cast<Deficiency>(index - 1);
}

}  // namespace qolvar::app
