#include "swatch.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

#include "codechange.h"
#include "colour/cie.h"
#include "colour/errors.h"
#include "lines.h"
#include "textio.h"

namespace qolvar::table {

namespace {

enum AcoSpace : std::uint16_t { RGB = 0, HSB = 1, CMYK = 2, Lab = 7, Gray = 8 };

TColor FromRGB(long r, long g, long b) { return static_cast<TColor>(r | g << 8 | b << 16); }

long Scale(double fraction) { return std::lround(std::clamp(fraction, 0.0, 1.0) * 255.0); }

TColor FromHSB(std::uint16_t hue, std::uint16_t sat, std::uint16_t bri)
{
    const double s = sat / 65535.0, v = bri / 65535.0;
    if (s == 0) return FromRGB(Scale(v), Scale(v), Scale(v));
    double h = hue / 65535.0 * 6.0;
    if (h >= 6.0) h = 0;
    const int sector = static_cast<int>(h);
    const double f = h - sector;
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    double r = 0, g = 0, b = 0;
    switch (sector) {
    case 0: r = v, g = t, b = p; break;
    case 1: r = q, g = v, b = p; break;
    case 2: r = p, g = v, b = t; break;
    case 3: r = p, g = q, b = v; break;
    case 4: r = t, g = p, b = v; break;
    default: r = v, g = p, b = q; break;
    }
    return FromRGB(Scale(r), Scale(g), Scale(b));
}

TColor FromCMYK(std::uint16_t c, std::uint16_t m, std::uint16_t y, std::uint16_t k)
{
    const double white = k / 65535.0;
    return FromRGB(Scale(c / 65535.0 * white), Scale(m / 65535.0 * white), Scale(y / 65535.0 * white));
}

TColor FromLab(std::uint16_t l, std::uint16_t a, std::uint16_t b, const ConversionConditions& conditions)
{
    TColorVec v{static_cast<float>(static_cast<long double>(l) / 100),
                static_cast<float>(static_cast<long double>(static_cast<std::int16_t>(a)) / 100),
                static_cast<float>(static_cast<long double>(static_cast<std::int16_t>(b)) / 100)};
    try {
        return CodeToColor(LabToRGB(v, conditions));
    } catch (const ColourError&) {
        return 0;  // a value the conversion cannot take: black, as an unknown space
    }
}

TColor FromGray(std::uint16_t ink)
{
    const long level = 10000 - std::min<long>(ink, 10000);
    const long v = (level * 255 + 5000) / 10000;
    return FromRGB(v, v, v);
}

TColor AcoColour(std::uint16_t space, const std::uint16_t w[4], const ConversionConditions& conditions)
{
    switch (space) {
    case RGB: return FromRGB(w[0] >> 8, w[1] >> 8, w[2] >> 8);
    case HSB: return FromHSB(w[0], w[1], w[2]);
    case CMYK: return FromCMYK(w[0], w[1], w[2], w[3]);
    case Lab: return FromLab(w[0], w[1], w[2], conditions);
    case Gray: return FromGray(w[0]);
    default: return 0;
    }
}

// UTF-16 big-endian code units up to the first zero unit.
QString Utf16BE(QByteArrayView units)
{
    QString s;
    s.reserve(units.size() / 2);
    const auto* p = reinterpret_cast<const std::uint8_t*>(units.data());
    for (qsizetype i = 0; i + 1 < units.size(); i += 2) {
        const char16_t u = static_cast<char16_t>(p[i] << 8 | p[i + 1]);
        if (u == 0) break;
        s.append(QChar(u));
    }
    return s;
}

// Bytes up to the first zero byte (all of them without one).
QByteArrayView UpToZero(QByteArrayView bytes)
{
    const qsizetype zero = bytes.indexOf('\0');
    return zero < 0 ? bytes : bytes.first(zero);
}

[[noreturn]] void NotAco(const QString& fileName, const QString& detail = {})
{
    throw FileError(
        QCoreApplication::translate("qolvar::table", "ファイル %1 は Photoshop スウォッチとして読めません%2")
            .arg(fileName, detail)
            .toStdString());
}

}  // namespace

QString ShortFileWarning(const QString& fileName, long long announced, long long read)
{
    return QCoreApplication::translate("qolvar::table",
                                       "ファイル %1 は途中で終わっています（%2 色のうち %3 色を読み込みました）")
        .arg(fileName, QString::number(announced), QString::number(read));
}

namespace {

// count records of the version from pos on into data (L*a*b* colours
// under the conditions); false when the file
// ends before the last one (data then holds the complete ones).
bool ReadAcoRecords(QByteArrayView bytes, qsizetype pos, std::uint16_t version, std::uint16_t count,
                    const ConversionConditions& conditions, TableData& data)
{
    data.announced = count;
    data.lines.reserve(count);
    data.entries.reserve(count);
    try {
        for (int k = 0; k < count; ++k) {
            const std::uint16_t space = GetWordBE(bytes, pos);
            std::uint16_t w[4];
            for (auto& word : w) word = GetWordBE(bytes, pos);
            QString name;
            if (version == 2) {
                const std::uint32_t units = GetLongBE(bytes, pos);
                name = Utf16BE(GetBytes(bytes, pos, qint64(units) * 2));
            } else if (version == 0) {
                const std::uint8_t n = static_cast<std::uint8_t>(GetBytes(bytes, pos, 1)[0]);
                name = DecodeCp932(UpToZero(GetBytes(bytes, pos, n)));
            }
            name = OneLine(name);
            const TColor color = AcoColour(space, w, conditions);
            data.lines.append(ProgramLine(color, name, {}));
            data.entries.push_back(MakeEntry(color, name));
        }
    } catch (const ShortRead&) {
        return false;
    }
    return true;
}

}  // namespace

TableData ReadAco(QByteArrayView bytes, const ConversionConditions& conditions, const QString& fileName)
{
    qsizetype pos = 0;
    std::uint16_t version = 0, count = 0;
    try {
        version = GetWordBE(bytes, pos);
        count = GetWordBE(bytes, pos);
    } catch (const ShortRead&) {
        NotAco(fileName);
    }
    if (version > 2) NotAco(fileName, QCoreApplication::translate("qolvar::table", "（版 %1）").arg(version));
    TableData data;
    const bool whole = ReadAcoRecords(bytes, pos, version, count, conditions, data);
    if (version == 1 && whole) {
        // A version 2 section after the version 1 records carries the
        // names. One that is cut off gives way to the complete version 1
        // colours (without names), with a warning.
        qsizetype next = 4 + qsizetype(count) * 10;
        try {
            if (GetWordBE(bytes, next) != 2) return data;
        } catch (const ShortRead&) {
            return data;
        }
        TableData named;
        try {
            const std::uint16_t count2 = GetWordBE(bytes, next);
            if (ReadAcoRecords(bytes, next, 2, count2, conditions, named)) return named;
        } catch (const ShortRead&) {
        }
        data.warning =
            QCoreApplication::translate(
                "qolvar::table", "ファイル %1 の色名の部分は途中で終わっています（%2 色を名前なしで読み込みました）")
                .arg(fileName, QString::number(data.entries.size()));
        return data;
    }
    if (!whole) data.warning = ShortFileWarning(fileName, count, static_cast<long long>(data.entries.size()));
    return data;
}

QByteArray WriteAco(const std::vector<TColorTabel>& entries)
{
    if (entries.size() > 65535)
        throw RangeError(
            QCoreApplication::translate("qolvar::table",
                                        "Photoshop スウォッチには 65535 色までしか保存できません（%1 色あります）")
                .arg(entries.size())
                .toStdString());
    qsizetype size = 4;
    for (const auto& e : entries) size += 16 + 2 * (e.Name.size() + 1);
    QByteArray buffer;
    buffer.reserve(size);
    qsizetype pos = 0;
    PutWordBE(buffer, pos, 2);
    PutWordBE(buffer, pos, static_cast<std::uint16_t>(entries.size()));
    for (const auto& e : entries) {
        PutWordBE(buffer, pos, RGB);
        for (int shift : {0, 8, 16})
            PutWordBE(buffer, pos, static_cast<std::uint16_t>(((e.Color >> shift) & 0xFF) * 257));
        PutWordBE(buffer, pos, 0);
        PutLongBE(buffer, pos, static_cast<std::uint32_t>(e.Name.size() + 1));
        for (const QChar c : e.Name) PutWordBE(buffer, pos, c.unicode());
        PutWordBE(buffer, pos, 0);
    }
    return buffer;
}

TableData ReadCgd(QByteArrayView bytes, const QString& fileName)
{
    if (!bytes.startsWith("CT10"))
        throw FileError(
            QCoreApplication::translate("qolvar::table", "ファイル %1 は DIC 色見本帳ファイルではありません")
                .arg(fileName)
                .toStdString());
    constexpr qsizetype HeaderSize = 256, NameRecord = 128, CommentRecord = 512;
    if (bytes.size() < HeaderSize)
        throw FileError(QCoreApplication::translate("qolvar::table", "ファイル %1 は途中で終わっています")
                            .arg(fileName)
                            .toStdString());
    qsizetype pos = 6;
    const std::uint16_t count = GetWordLE(bytes, pos);

    TableData data;
    data.announced = count;
    data.title = OneLine(DecodeCp932(UpToZero(bytes.sliced(8, 248))));

    struct Named {
        TColor color;
        QString name;
    };
    std::vector<Named> named;
    named.reserve(count);
    for (int k = 0; k < count; ++k) {
        const qsizetype at = HeaderSize + qsizetype(k) * NameRecord;
        if (at + NameRecord > bytes.size()) break;
        qsizetype colourAt = at + 32;
        const TColor color = GetLongLE(bytes, colourAt) & 0xFFFFFF;
        named.push_back({color, OneLine(DecodeCp932(UpToZero(bytes.sliced(at, 32))))});
    }

    long long withoutComment = 0;
    const qsizetype comments = HeaderSize + qsizetype(count) * NameRecord;
    for (std::size_t k = 0; k < named.size(); ++k) {
        const qsizetype at = comments + qsizetype(k) * CommentRecord;
        QString comment;
        if (at + CommentRecord <= bytes.size()) {
            qsizetype lengthAt = at;
            const std::uint16_t length = GetWordLE(bytes, lengthAt);
            QByteArray text = bytes.sliced(at + 2, std::min<qsizetype>(length, 510)).toByteArray();
            text = UpToZero(text).toByteArray();
            // Line breaks inside a comment would split the table line when
            // the table is saved as text.
            text.replace('\n', ' ').replace('\r', ' ');
            comment = DecodeCp932(text);
        } else {
            ++withoutComment;
        }
        const auto& n = named[k];
        data.lines.append(u'#' + QString::fromLatin1(ColorToHex(n.color)) + u' ' + n.name + u' ' + comment);
        data.entries.push_back(MakeEntry(n.color, n.name, comment));
    }
    if (named.size() < count)
        data.warning = ShortFileWarning(fileName, count, static_cast<long long>(named.size()));
    else if (withoutComment > 0)
        data.warning =
            QCoreApplication::translate(
                "qolvar::table", "ファイル %1 は途中で終わっています（%2 色のうち %3 色はコメントを読めませんでした）")
                .arg(fileName, QString::number(count), QString::number(withoutComment));
    return data;
}

}  // namespace qolvar::table
