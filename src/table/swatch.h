// Swatch files: Photoshop colour swatches (.aco), read and written, and DIC
// colour guides (.cgd), read only.
//
// .aco (big-endian 16-bit words):
//   version, count, then count records:
//     colour space, w1, w2, w3, w4
//     version 2: name = 32-bit length L, then L UTF-16 code units (normally
//                the last is a terminating zero; a name without one is read
//                whole)
//     version 0: name = one byte N, then N bytes of CP932 text
//     version 1: no name
//   A version 1 section followed by a version 2 section is read from the
//   version 2 section. Data after the last record (Photoshop appends blocks
//   of its own) is ignored.
//   Colour spaces:
//     0 RGB        high byte of w1, w2, w3
//     1 HSB        w1 hue (0..65535 for 0..360 degrees), w2 saturation,
//                  w3 brightness (0..65535)
//     2 CMYK       w1..w4 cyan, magenta, yellow, black as 65535 - ink
//                  (65535 = no ink); R = 255 * w1/65535 * w4/65535
//     7 L*a*b*     w1 = L * 100 (0..10000), w2 = a * 100, w3 = b * 100
//                  (signed); converted by LabToRGB under the given
//                  conditions (their gamma and reference white)
//     8 grayscale  w1 = ink 0..10000 (0 white, 10000 black)
//   Any other space is black; its name is kept and the next record is read
//   from its proper place.
//   Written: version 2 only, every record RGB with components c * 257, the
//   length field holding the code units plus one for the terminator.
//
// .cgd (little-endian):
//   256-byte header: "CT10", 2 bytes, 16-bit count N, 248 bytes of title
//   (ends at a zero byte; taken whole without one)
//   N records of 128 bytes: 32-byte name (ends at a zero byte; taken whole
//   without one), 32-bit colour whose low 24 bits are a TColor
//   N records of 512 bytes: 16-bit length n, 510 bytes of comment (first n
//   bytes, ending at a zero byte; line breaks become blanks)
//   Text is CP932.
//
// Readers never read outside the given bytes: a file that ends inside a
// record gives the complete records before it, with a warning that tells how
// many of the announced colours were read.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

#include "colour/conditions.h"
#include "entry.h"
#include "tabledata.h"

namespace qolvar::table {

// L*a*b* colours are converted under the conditions; fileName only names the
// file in messages. Throws FileError for bytes that are no swatch file at
// all (shorter than the version and count, or an unknown version).
TableData ReadAco(QByteArrayView bytes, const ConversionConditions& conditions, const QString& fileName = {});

// Version 2 of the entries' colours and names (comments are not written,
// see CommentsLost in tablefile.h). Throws RangeError for more than 65535
// entries, which the count word cannot hold.
QByteArray WriteAco(const std::vector<TColorTabel>& entries);

// Throws FileError when the bytes do not begin with "CT10" or end inside the
// header.
TableData ReadCgd(QByteArrayView bytes, const QString& fileName = {});

// The warning for a swatch file that ends after `read` of `announced` colours.
QString ShortFileWarning(const QString& fileName, long long announced, long long read);

}  // namespace qolvar::table
