// The conditions the main window converts under: the CIE page's gamma and
// reference white, the Munsell page's renotation table and method. The main
// window owns one; the pages read it and change it through AppHost.
#pragma once

#include <QString>
#include <future>
#include <string>

#include "colour/conditions.h"
#include "colour/munsell.h"

namespace qolvar::app {

// A renotation table being read in the background (at start-up, while the
// windows are being built): the file it reads and the table, or its error,
// it will give.
struct PendingMunsellTable {
    std::string path;
    std::future<MunsellTablePtr> table;
};
// Starts reading the shipped table of the illuminant from the folder.
PendingMunsellTable StartReadingMunsellTable(const QString& folder, MunsellIlluminant illuminant);

class WindowConditions {
public:
    WindowConditions() = default;
    // A table read ahead: the first LoadMunsellTable of the same file takes
    // it (or its error) instead of reading the file again.
    explicit WindowConditions(PendingMunsellTable pending) : pending_(std::move(pending)) {}

    // What the conversions take.
    const ConversionConditions& Values() const { return values_; }

    float CIEGamma() const { return values_.gamma; }
    const WhitePoint& CIEWhite() const { return values_.white; }
    // The gamma of the gamma combo box's item index: 0 → 1.0, 1 → 1.8,
    // 2 → 2.2, 3 → 2.4, 4 → 3.0, any other (no item) → 1.0.
    void SetCIEGamma(int itemIndex) noexcept;
    // The white of the illuminant combo box's item index: 0 → D65, 1 → C,
    // 2 → A, 3 → D50 (with the Bradford adaptation); any other index leaves
    // the white unchanged.
    void SetCIEWhite(int itemIndex) noexcept;

    // The renotation table chosen, by its file name relative to the
    // program's folder (MunsellFileD65, the initial one, or MunsellFileC).
    const char* MunsellFileName() const { return MunsellFileOf(munsellTable_); }
    // Chooses the table by the table combo box's item index: 0 → D65,
    // 1 → C; any other index keeps the choice.
    void SetMunsellFile(int itemIndex) noexcept;
    // Loads the chosen table from the folder. On failure (FileError) the
    // table in use stays.
    void LoadMunsellTable(const QString& folder);

    MunsellMethod MunsellMethodInUse() const { return values_.method; }
    void SetMunsellMethod(MunsellMethod method) noexcept { values_.method = method; }

private:
    // The Munsell notation by the renotation's interpolation unless the
    // settings choose the table search.
    ConversionConditions values_ = ConversionConditions::WithRenotation();
    MunsellIlluminant munsellTable_ = MunsellIlluminant::D65;
    PendingMunsellTable pending_;
};

}  // namespace qolvar::app
