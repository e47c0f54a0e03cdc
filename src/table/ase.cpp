#include "ase.h"

#include <QCoreApplication>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#include "colour/csscolour.h"
#include "colour/errors.h"
#include "lines.h"
#include "textio.h"

namespace qolvar::table {

namespace {

constexpr std::uint16_t kColourBlock = 0x0001, kGroupStart = 0xC001, kGroupEnd = 0xC002;

[[noreturn]] void NotAse(const QString& fileName, const QString& why)
{
    throw FileError(
        QCoreApplication::translate("qolvar::table", "ファイル %1 はスウォッチ交換ファイル (.ase) として読めません: %2")
            .arg(fileName, why)
            .toStdString());
}

// Big-endian fields of a span of bytes (the file, or one block of it);
// every read is checked against its end.
class Reader {
public:
    Reader(QByteArrayView bytes, const QString& fileName, qsizetype offset = 0)
        : bytes_(bytes), fileName_(fileName), offset_(offset)
    {
    }

    qsizetype Pos() const { return pos_; }
    qsizetype Left() const { return bytes_.size() - pos_; }
    // A field that does not fit: the file is cut short, or a length in it
    // is wrong. offset_ places the span in the file for the message.
    void Need(qsizetype n) const
    {
        if (n > Left())
            NotAse(fileName_, QCoreApplication::translate(
                                  "qolvar::table", "%1 バイト目からの値がブロックかファイルの終わりを越えています")
                                  .arg(QString::number(offset_ + pos_)));
    }
    std::uint32_t Number(int size)
    {
        Need(size);
        std::uint32_t v = 0;
        for (int i = 0; i < size; ++i) v = v << 8 | static_cast<std::uint8_t>(bytes_[pos_ + i]);
        pos_ += size;
        return v;
    }
    float Float() { return std::bit_cast<float>(Number(4)); }
    QByteArrayView Bytes(qsizetype n)
    {
        Need(n);
        const QByteArrayView v = bytes_.sliced(pos_, n);
        pos_ += n;
        return v;
    }
    // A name: its count of UTF-16 units, then the units, up to a zero unit.
    QString Name()
    {
        const std::uint32_t units = Number(2);
        const QByteArrayView raw = Bytes(qsizetype(units) * 2);
        QString name;
        name.reserve(units);
        for (qsizetype i = 0; i + 1 < raw.size(); i += 2) {
            const auto u =
                static_cast<char16_t>(static_cast<std::uint8_t>(raw[i]) << 8 | static_cast<std::uint8_t>(raw[i + 1]));
            if (u == 0) break;
            name.append(QChar(u));
        }
        return OneLine(name);
    }

private:
    QByteArrayView bytes_;
    const QString& fileName_;
    qsizetype offset_;
    qsizetype pos_ = 0;
};

// A fraction 0..1 as a byte; NaN counts as 0.
long Byte(float v)
{
    const double c = std::isnan(v) ? 0.0 : std::clamp(static_cast<double>(v), 0.0, 1.0);
    return std::lround(c * 255);
}

TColor Colour(long r, long g, long b) { return static_cast<TColor>(r | g << 8 | b << 16); }

// The colour of one colour block's model and values.
TColor ReadColour(Reader& block, const QString& fileName)
{
    const QByteArrayView model = block.Bytes(4);
    if (model == QByteArrayView("RGB ")) {
        const float r = block.Float(), g = block.Float(), b = block.Float();
        return Colour(Byte(r), Byte(g), Byte(b));
    }
    if (model == QByteArrayView("CMYK")) {
        float v[4];
        for (float& x : v) x = block.Float();
        auto ink = [](float x) { return std::isnan(x) ? 0.0 : std::clamp(static_cast<double>(x), 0.0, 1.0); };
        const double white = 1 - ink(v[3]);
        auto channel = [&](float x) { return std::lround((1 - ink(x)) * white * 255); };
        return Colour(channel(v[0]), channel(v[1]), channel(v[2]));
    }
    if (model == QByteArrayView("LAB ")) {
        const float l = block.Float(), a = block.Float(), b = block.Float();
        return CodeToColor(CssLabToSRGB(double(l) * 100, a, b).code);
    }
    if (model == QByteArrayView("Gray")) {
        const long v = Byte(block.Float());
        return Colour(v, v, v);
    }
    NotAse(fileName, QCoreApplication::translate("qolvar::table", "知らない色モデル「%1」です")
                         .arg(QString::fromLatin1(model.toByteArray().toPercentEncoding(" "))));
}

// A group's name and a colour's type as an entry's comment.
QString EntryComment(const QString& group, std::uint16_t type)
{
    QString comment = group;
    const char* mark = type == 0 ? "[global]" : type == 1 ? "[spot]" : nullptr;
    if (mark) {
        if (!comment.isEmpty()) comment += u' ';
        comment += QLatin1String(mark);
    }
    return comment.left(MaxCommentLength);
}

void PutNumber(QByteArray& out, std::uint32_t v, int size)
{
    for (int i = size - 1; i >= 0; --i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// A name's count and units, the terminating zero included; at most 65535
// units in all.
QByteArray NameBytes(const QString& name)
{
    const QString cut = name.left(0xFFFE);
    QByteArray out;
    PutNumber(out, static_cast<std::uint32_t>(cut.size() + 1), 2);
    for (const QChar c : cut) PutNumber(out, c.unicode(), 2);
    PutNumber(out, 0, 2);
    return out;
}

void PutBlock(QByteArray& out, std::uint16_t type, const QByteArray& body)
{
    PutNumber(out, type, 2);
    PutNumber(out, static_cast<std::uint32_t>(body.size()), 4);
    out.append(body);
}

}  // namespace

TableData ReadAse(QByteArrayView bytes, const QString& fileName)
{
    Reader file(bytes, fileName);
    if (bytes.size() < 12 || bytes.first(4) != QByteArrayView("ASEF"))
        NotAse(fileName, QCoreApplication::translate("qolvar::table", "先頭が「ASEF」ではありません"));
    file.Bytes(4);
    const std::uint32_t major = file.Number(2);
    file.Number(2);
    if (major != 1)
        NotAse(fileName,
               QCoreApplication::translate("qolvar::table", "版 %1 は読めません").arg(QString::number(major)));
    const std::uint32_t count = file.Number(4);
    TableData data;
    QString group;
    for (std::uint32_t k = 0; k < count; ++k) {
        const auto type = static_cast<std::uint16_t>(file.Number(2));
        const std::uint32_t length = file.Number(4);
        const qsizetype at = file.Pos();
        Reader block(file.Bytes(length), fileName, at);
        if (type == kGroupStart) {
            group = block.Name();
        } else if (type == kGroupEnd) {
            group.clear();
        } else if (type == kColourBlock) {
            if (data.entries.size() >= static_cast<std::size_t>(MaxTextLines))
                NotAse(fileName, QCoreApplication::translate("qolvar::table", "%1 色を超えています")
                                     .arg(QString::number(MaxTextLines)));
            const QString name = block.Name();
            const TColor colour = ReadColour(block, fileName);
            const auto colourType = static_cast<std::uint16_t>(block.Number(2));
            // The table line keeps a comment only after a name written
            // bare: a quoted name would take the comment with it.
            const QString comment =
                name.isEmpty() || NameNeedsQuotes(name) ? QString() : EntryComment(group, colourType);
            data.lines.append(ProgramLine(colour, name, comment));
            data.entries.push_back(MakeEntry(colour, name, comment));
        }
    }
    return data;
}

QByteArray WriteAse(const std::vector<TColorTabel>& entries, const QString& groupName)
{
    QByteArray out("ASEF");
    PutNumber(out, 1, 2);
    PutNumber(out, 0, 2);
    PutNumber(out, static_cast<std::uint32_t>(entries.size() + 2), 4);
    PutBlock(out, kGroupStart, NameBytes(groupName));
    for (const TColorTabel& e : entries) {
        QByteArray body = NameBytes(e.Name);
        body.append("RGB ");
        const RGBCode code = ColorToCode(e.Color);
        for (const int shift : {16, 8, 0})
            PutNumber(body, std::bit_cast<std::uint32_t>(((code >> shift) & 0xFF) / 255.0f), 4);
        PutNumber(body, 2, 2);  // a process colour
        PutBlock(out, kColourBlock, body);
    }
    PutBlock(out, kGroupEnd, {});
    return out;
}

}  // namespace qolvar::table
