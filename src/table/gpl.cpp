#include "gpl.h"

#include <QCoreApplication>

#include <algorithm>

#include <QStringView>
#include <cstdio>
#include <optional>

#include "colour/errors.h"
#include "lines.h"
#include "textio.h"

namespace qolvar::table {

namespace {

const QString Mark = QStringLiteral("GIMP Palette");

bool IsFieldBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Blanks at both ends (characters 0..32) go, as the palette's readers strip
// names; inner blanks stay.
QString StripBlanks(QStringView s)
{
    qsizetype from = 0, to = s.size();
    while (from < to && s[from].unicode() <= 32) ++from;
    while (to > from && s[to - 1].unicode() <= 32) --to;
    return s.sliced(from, to - from).toString();
}

struct GplColour {
    TColor color;
    QString name;
};

// "r g b [name]": three whole numbers 0..255 separated by blanks or tabs,
// each ending at a blank, a tab or the end of the line.
std::optional<GplColour> ParseColourLine(QStringView line)
{
    qsizetype p = 0;
    int rgb[3];
    for (int& v : rgb) {
        while (p < line.size() && IsFieldBlank(line[p])) ++p;
        const qsizetype start = p;
        v = 0;
        while (p < line.size() && line[p] >= u'0' && line[p] <= u'9') {
            v = v * 10 + (line[p].unicode() - u'0');
            if (v > 255) return std::nullopt;
            ++p;
        }
        if (p == start || (p < line.size() && !IsFieldBlank(line[p]))) return std::nullopt;
    }
    return GplColour{static_cast<TColor>(rgb[0] | rgb[1] << 8 | rgb[2] << 16), StripBlanks(line.sliced(p))};
}

}  // namespace

TableData ReadGpl(QByteArrayView bytes, const QString& fileName)
{
    const QStringList lines = SplitTextLines(DecodeLocalText(bytes));
    if (lines.isEmpty() || !lines.first().startsWith(Mark))
        throw FileError(QCoreApplication::translate("qolvar::table", "ファイル %1 は GIMP パレットではありません")
                            .arg(fileName)
                            .toStdString());

    TableData data;
    qsizetype i = 1;
    for (; i < lines.size(); ++i) {
        if (lines[i].startsWith(QLatin1String("Name:"))) {
            data.title = StripBlanks(QStringView(lines[i]).sliced(5));
        } else if (lines[i].startsWith(QLatin1String("Columns:"))) {
            bool ok = false;
            const int columns = StripBlanks(QStringView(lines[i]).sliced(8)).toInt(&ok);
            if (ok && columns >= 0 && columns <= 256) data.columns = columns;
        } else {
            break;
        }
    }
    long long skipped = 0;
    qsizetype firstSkipped = 0;
    for (; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const QString trimmed = StripBlanks(line);
        if (trimmed.isEmpty() || trimmed.startsWith(u'#')) continue;
        const auto colour = ParseColourLine(line);
        if (!colour) {
            if (skipped++ == 0) firstSkipped = i + 1;
            continue;
        }
        data.lines.append(ProgramLine(colour->color, colour->name, {}));
        data.entries.push_back(MakeEntry(colour->color, colour->name));
    }
    if (skipped > 0)
        data.warning =
            QCoreApplication::translate("qolvar::table",
                                        "ファイル %1 の %2 行は色として読めないため読み飛ばしました（最初は %3 行目）")
                .arg(fileName, QString::number(skipped), QString::number(firstSkipped));
    return data;
}

QByteArray WriteGpl(const std::vector<TColorTabel>& entries, const QString& paletteName, int columns)
{
    // Without columns of its own, a fixed grid of sixteen rather than 0
    // (a flowing layout), so that programs that lay palettes out in a grid
    // need not interpret 0.
    const int shown = columns > 0 && columns <= 256 ? columns : 16;
    QByteArray out =
        "GIMP Palette\nName: " + OneLine(paletteName).toUtf8() + "\nColumns: " + QByteArray::number(shown) + "\n#\n";
    out.reserve(out.size() + qsizetype(entries.size()) * 24);
    for (const auto& e : entries) {
        char numbers[16];
        std::snprintf(numbers, sizeof numbers, "%3u %3u %3u", e.Color & 0xFFu, (e.Color >> 8) & 0xFFu,
                      (e.Color >> 16) & 0xFFu);
        out += numbers;
        const QString name = OneLine(e.Name);
        if (!name.isEmpty()) out += '\t' + name.toUtf8();
        out += '\n';
    }
    // Some palette readers refuse a file under 50 bytes as no palette; a
    // tiny palette gets a comment line that fills it up.
    constexpr qsizetype kSmallest = 50;
    if (out.size() < kSmallest) {
        const qsizetype header = out.indexOf("\n#\n") + 3;
        out.insert(header, "#" + QByteArray(std::max<qsizetype>(0, kSmallest - out.size() - 2), ' ') + "\n");
    }
    return out;
}

QString GplPaletteName(const QString& path)
{
    const QString part = FileNamePart(path);
    const qsizetype dot = part.lastIndexOf(u'.');
    return dot > 0 ? part.left(dot) : part;
}

}  // namespace qolvar::table
