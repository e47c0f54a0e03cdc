// `qolvar --pick`: only the picker (the pick mode with its magnifier, or
// the desktop portal's picker where the screen cannot be read), the colour
// printed on standard output and, with --copy, put on the clipboard. For
// desktop hotkeys.
#pragma once

#include "picking/pickargs.h"

namespace qolvar::app {

// Runs the pick command in the running application; the exit status: 0 a
// colour was printed, 1 the pick was cancelled or no colour could be had.
int RunPickCommand(const PickCommandOptions& options);

}  // namespace qolvar::app
