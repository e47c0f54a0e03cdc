// The program's arguments: the window, the help, or `qolvar --pick` and its
// options. Plain C++, so that the fuzz target needs no Qt.
#pragma once

#include <string>
#include <vector>

namespace qolvar::app {

struct PickCommandOptions {
    int average = 1;             // 1, 3, 5 or 7
    std::string format = "hex";  // hex, rgb, hsl
    bool copy = false;
};

// What the program's arguments ask for.
struct ProgramArgs {
    enum Kind { Window, Pick, Help, Bad } kind = Window;
    PickCommandOptions pick;
    std::string error;  // for Bad
};

// Reads the arguments after the program's name. "--help" / "-h" anywhere
// asks for the help; "--pick" for the pick command, whose options are then
// checked (an unknown one is Bad); no arguments open the window, and any
// other argument is Bad.
ProgramArgs ParseProgramArgs(const std::vector<std::string>& args);

// The text of --help.
extern const char* const kProgramHelp;

}  // namespace qolvar::app
