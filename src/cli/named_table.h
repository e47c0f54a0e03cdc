// The colour table that qolvar-cli nearest searches, read as the table
// editor reads it (text table, .aco, .gpl or .cgd by the extension).
#pragma once

#include <string>
#include <vector>

#include "colour/codes.h"
#include "colour/conditions.h"

namespace qolvar::cli {

struct NamedColour {
    RGBCode code;
    std::string name;  // UTF-8
};

struct NamedTable {
    std::vector<NamedColour> colours;  // in table order
    std::string warning;               // a file read only in part, else empty
};

// Throws FileError when the file cannot be read (the message names it).
// L*a*b* swatches are read under the conditions' gamma and white.
NamedTable ReadNamedTable(const std::string& path, const ConversionConditions& conditions);

// The table nearest uses without --table: the CSS named colours in the
// Table folder beside the program.
std::string DefaultNamedTable();

}  // namespace qolvar::cli
