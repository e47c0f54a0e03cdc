// qolvar-cli table: colour tables from the command line, with the table
// editor's own reading, sorting and writing.
//
//   qolvar-cli table convert IN OUT
//   qolvar-cli table sort --by rgb|hue|sat|val [--desc] IN OUT
//   qolvar-cli table dump IN
#pragma once

#include <QStringList>
#include <cstdio>
#include <string>

namespace qolvar::cli {

// argv[0] is the program, argv[1] "table". Returns the exit status: 0 done
// (a warning about a file read only in part may have been printed), 1 a
// file could not be read or written, 2 a usage error. OUT is written only
// when everything before succeeded, and atomically.
int RunTable(int argc, const char* const* argv, std::FILE* out, std::FILE* err);

// Whether a table file to be written has an extension that names no format
// written here (.tab, .txt, .csv text tables, .aco, .gpl, .ase); if so, says
// so on err. Such a name is refused rather than written as a text table.
bool RefusedTableExtension(const char* path, std::FILE* err);

// Writes colours a command made (lines in the program's own form) as a
// table file by the path's extension, atomically, the table library's
// messages in English; false, with the failure said on err, when it cannot.
bool WriteMadeTable(const std::string& path, const QStringList& lines, std::FILE* err);

}  // namespace qolvar::cli
