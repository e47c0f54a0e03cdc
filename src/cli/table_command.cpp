#include "table_command.h"

#include <QFile>
#include <QString>
#include <algorithm>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

#include "colour/conditions.h"
#include "colour/errors.h"
#include "messages.h"
#include "table/filenames.h"
#include "table/sort.h"
#include "table/tablefile.h"

namespace qolvar::cli {

namespace {

using namespace qolvar::table;

QString PathArgument(const char* arg) { return QFile::decodeName(arg); }

void PrintText(std::FILE* f, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), f);
}

// Reads IN as the table editor does; a colour log (.log) goes through the
// log-to-table conversion.
TableData ReadInput(const QString& path, std::FILE* err)
{
    TableData data;
    if (TblFileExtOf(path) == QLatin1String(".log")) {
        data.lines = LogToTabLines(ReadLogLines(path));
        data.entries = ParseTblLines(data.lines);
    } else {
        // L*a*b* swatches are read under the start-up gamma and white.
        data = ReadTableFile(path, ConversionConditions{});
    }
    if (!data.warning.isEmpty()) PrintText(err, QStringLiteral("qolvar-cli: warning: ") + data.warning + u'\n');
    return data;
}

std::optional<SortMode> ParseSortKey(std::string_view key, bool descending)
{
    int base;
    if (key == "rgb")
        base = 0;
    else if (key == "hue")
        base = 2;
    else if (key == "sat")
        base = 4;
    else if (key == "val")
        base = 6;
    else
        return std::nullopt;
    return static_cast<SortMode>(base + (descending ? 1 : 0));
}

int Usage(std::FILE* err, const char* message)
{
    std::fprintf(err,
                 "qolvar-cli: %s\nUsage:\n  qolvar-cli table convert IN OUT\n"
                 "  qolvar-cli table sort --by rgb|hue|sat|val [--desc] IN OUT\n  qolvar-cli table dump IN\n",
                 message);
    return 2;
}

}  // namespace

bool RefusedTableExtension(const char* path, std::FILE* err)
{
    const QString ext = TblFileExtOf(PathArgument(path));
    static const char* const known[] = {".tab", ".txt", ".csv", ".aco", ".gpl", ".ase"};
    if (std::any_of(std::begin(known), std::end(known), [&](const char* k) { return ext == QLatin1String(k); }))
        return false;
    std::fprintf(err,
                 "qolvar-cli: %s: the extension names no format qolvar-cli writes (.tab, .txt or .csv for a text "
                 "table, .aco, .gpl, .ase)\n",
                 path);
    return true;
}

bool WriteMadeTable(const std::string& path, const QStringList& lines, std::FILE* err)
{
    const TableMessages english;
    try {
        WriteTableFile(PathArgument(path.c_str()), lines, ParseTblLines(lines));
        return true;
    } catch (const ColourError& e) {
        std::fprintf(err, "qolvar-cli: %s\n", ErrorMessage(e).c_str());
        return false;
    }
}

int RunTable(int argc, const char* const* argv, std::FILE* out, std::FILE* err)
{
    if (argc < 3) return Usage(err, "table needs a command");
    const std::string_view command = argv[2];
    std::vector<const char*> files;
    std::string_view by;
    bool descending = false, filesOnly = false;
    for (int i = 3; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!filesOnly && arg == "--") {
            filesOnly = true;
        } else if (!filesOnly && command == "sort" && arg == "--desc") {
            descending = true;
        } else if (!filesOnly && command == "sort" && arg.starts_with("--by=")) {
            by = arg.substr(5);
        } else if (!filesOnly && command == "sort" && arg == "--by") {
            if (i + 1 >= argc) return Usage(err, "--by needs a key");
            by = argv[++i];
        } else if (!filesOnly && arg.starts_with("--")) {
            std::fprintf(err, "qolvar-cli: unknown option '%s'\n", argv[i]);
            return 2;
        } else {
            files.push_back(argv[i]);
        }
    }

    std::optional<SortMode> mode;
    std::size_t wanted;
    if (command == "convert") {
        wanted = 2;
    } else if (command == "dump") {
        wanted = 1;
    } else if (command == "sort") {
        wanted = 2;
        mode = ParseSortKey(by, descending);
        if (!mode) return Usage(err, by.empty() ? "sort needs --by rgb|hue|sat|val" : "unknown sort key");
    } else {
        std::fprintf(err, "qolvar-cli: unknown table command '%s'\n", argv[2]);
        return 2;
    }
    if (files.size() != wanted) return Usage(err, wanted == 1 ? "table dump takes one file" : "IN and OUT are needed");
    // OUT's extension chooses its format.
    if (wanted == 2 && RefusedTableExtension(files[1], err)) return 2;

    try {
        TableData data = ReadInput(PathArgument(files[0]), err);
        if (command == "dump") {
            QString text;
            for (const QString& line : data.lines) text += line + u'\n';
            PrintText(out, text);
            return 0;
        }
        if (mode && !data.entries.empty()) {
            SortTbl(data.entries, *mode, 0, static_cast<int>(data.entries.size()) - 1);
            data.lines = EntryLines(data.entries);
        }
        const QString outPath = PathArgument(files[1]);
        // A palette's name (or a colour guide's title) and columns carry
        // over into a palette.
        WriteTableFile(outPath, data.lines, data.entries, PaletteHeader{data.title, data.columns});
        if (const int lost = CommentsLost(outPath, data.entries))
            PrintText(err, QStringLiteral("qolvar-cli: warning: ") + CommentsLostWarning(outPath, lost) + u'\n');
        return 0;
    } catch (const ColourError& e) {
        std::fprintf(err, "qolvar-cli: %s\n", ErrorMessage(e).c_str());
        return 1;
    }
}

}  // namespace qolvar::cli
