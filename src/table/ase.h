// Swatch exchange files (.ase), read and written.
//
// All numbers are big-endian:
//   "ASEF", version 1.0 (two 16-bit words), 32-bit block count, then the
//   blocks: 16-bit type, 32-bit length of what follows, then
//     0x0001 colour       name, 4-byte model, its values as 32-bit floats,
//                         16-bit type (0 global, 1 spot, 2 process)
//     0xC001 group start  name
//     0xC002 group end    nothing
//   A name is a 16-bit count of UTF-16 code units, the terminating zero
//   included, then the units. Bytes of a block beyond what it holds are
//   passed over; blocks of other types are skipped by their length.
//   Models: "RGB " r g b 0..1; "CMYK" c m y k 0..1 (R = 255 (1 − C)(1 − K)
//   as in Photoshop swatches); "LAB " L 0..1 (for 0..100), a, b under D50;
//   "Gray" one value, 0 black .. 1 white.
//
// Reading: every colour becomes a table line "#RRGGBB name comment", the
// comment being its group's name and, for a spot or global colour, that
// type in brackets ("Brand [spot]"). L*a*b* colours reach sRGB by the
// Bradford adaptation from D50, gamut-mapped as CSS maps colours. A file
// that is not a swatch exchange file, that ends inside a block, or whose
// block or name lengths do not fit is refused whole, with a message naming
// the file and what is wrong.
//
// Writing: one group named after the file, holding every entry as a
// process RGB colour (c / 255 as a float) with its name; comments are not
// written (see CommentsLost in tablefile.h).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

#include "entry.h"
#include "tabledata.h"

namespace qolvar::table {

// fileName names the file in messages. Throws FileError as said above.
TableData ReadAse(QByteArrayView bytes, const QString& fileName = {});

// The file of the entries' colours and names in one group of that name.
QByteArray WriteAse(const std::vector<TColorTabel>& entries, const QString& groupName);

}  // namespace qolvar::table
