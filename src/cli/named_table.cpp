#include "named_table.h"

#include <QFile>

#include "cli.h"
#include "table/tablefile.h"

namespace qolvar::cli {

NamedTable ReadNamedTable(const std::string& path, const ConversionConditions& conditions)
{
    const table::TableData data = table::ReadTableFile(QFile::decodeName(QByteArray::fromStdString(path)), conditions);
    NamedTable t;
    t.colours.reserve(data.entries.size());
    for (const auto& e : data.entries)
        t.colours.push_back({static_cast<RGBCode>(e.Code), e.Name.toUtf8().toStdString()});
    t.warning = data.warning.toUtf8().toStdString();
    return t;
}

std::string DefaultNamedTable() { return ProgramFolder() + "/Table/CSS名前付き色.tab"; }

}  // namespace qolvar::cli
