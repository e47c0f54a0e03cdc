// qolvar-cli: the library's conversions for scripts.
//
//   qolvar-cli convert MODEL [--gamma G] [--white d65|c|a] [CODE ...]
//   qolvar-cli convert munsell [--gamma G] [--munsell-table d65|c] [CODE ...]
//   qolvar-cli reverse MODEL [options] V1 V2 V3 [V4]
//
// The output format is a stable interface; see the README.
#pragma once

#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "colour/colour.h"

namespace qolvar::cli {

// Appends the convert line of one code (with its newline) to out:
// "RRGGBB v1 v2 v3 -> RRGGBB", or "RRGGBB error: MESSAGE" (in the language)
// when the conversion fails; returns false in that case. *beyond (when
// given) says whether a Munsell notation is only the nearest the
// renotation data reach. For OKLab and OKLCh the colour after the arrow is
// that of the values as printed.
bool AppendConvertLine(Model model, std::uint32_t code, std::string& out, const ConversionConditions& c,
                       bool* beyond = nullptr, Language language = Language::Japanese);

// Converts typed model values back to an RGBCode under the conditions.
// Throws ColourError (with a message fit for the user, in the user's
// language) for values that cannot be read or lie outside their field, and
// the library's errors when the conversion fails. *clamped (when given)
// says whether an OKLab or OKLCh colour lay outside sRGB and was clamped.
RGBCode Reverse(Model model, std::span<const std::string> values, const ConversionConditions& c,
                bool* clamped = nullptr);

// The folder of the program's shipped data files: beside the binary in a
// build tree, share/qolvar of the installed prefix (see table/folders.h).
std::string ProgramFolder();

// Runs the command line; returns the process exit status
// (0 success, 1 a conversion failed, 2 usage or input error).
int Run(int argc, const char* const* argv, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace qolvar::cli
