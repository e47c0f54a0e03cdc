// The four names that describe the table's current file.
//
//   TblFileName  the full path ("無題" while the table is untitled)
//   TblFileDir   its folder, without a trailing separator ("" when the name
//                has no folder part)
//   TblBaseName  the file-name part less its last four characters (the dot
//                and a three-letter extension); empty for names of four
//                characters or fewer, "無題" included
//   TblFileExt   the file-name part's extension from its last dot, dot
//                included, in lower case, cut to four characters (".aco",
//                ".tab", ".acox" gives ".aco"); "" without a dot
#pragma once

#include <QString>

namespace qolvar::table {

inline const QString Untitled = QStringLiteral("無題");

struct TblFileNames {
    QString TblFileName = Untitled;
    QString TblFileDir;
    QString TblBaseName;
    QString TblFileExt;

    bool operator==(const TblFileNames&) const = default;
};

TblFileNames MakeTblFileNames(const QString& fileName);

// The extension rule alone: TblFileExt of a path.
QString TblFileExtOf(const QString& fileName);

// The kinds of file the editor tells apart by TblFileExt: text tables,
// Photoshop swatches, colour guides, GIMP palettes and swatch exchange
// files.
enum class TblFileKind { Text, Aco, Cgd, Gpl, Ase };
TblFileKind KindOf(const QString& fileName);

// The name the save dialog proposes: TblFileDir / TblBaseName and the
// table's own extension when the program writes that format (".aco",
// ".gpl", ".ase"), else ".tab"; for a table without a base name (untitled) only the
// folder, so the user types a name.
QString ProposedSaveName(const TblFileNames& names);
// The format the save dialog offers first for that name: the index of its
// pair in TblSaveFilter() and its extension without the dot.
struct SaveFormat {
    int filterIndex;
    QString extension;
};
SaveFormat ProposedSaveFormat(const TblFileNames& names);

}  // namespace qolvar::table
