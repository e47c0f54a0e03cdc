#include "filenames.h"

#include "textio.h"

namespace qolvar::table {

QString TblFileExtOf(const QString& fileName)
{
    const QString part = FileNamePart(fileName);
    const qsizetype dot = part.lastIndexOf(u'.');
    if (dot < 0) return {};
    return part.mid(dot, 4).toLower();
}

TblFileNames MakeTblFileNames(const QString& fileName)
{
    TblFileNames n;
    n.TblFileName = fileName;
    const QString part = FileNamePart(fileName);
    const qsizetype folderLength = fileName.size() - part.size();
    n.TblFileDir = folderLength > 0 ? fileName.left(folderLength - 1) : QString();
    n.TblBaseName = part.size() > 4 ? part.left(part.size() - 4) : QString();
    n.TblFileExt = TblFileExtOf(fileName);
    return n;
}

TblFileKind KindOf(const QString& fileName)
{
    const QString ext = TblFileExtOf(fileName);
    if (ext == QLatin1String(".aco")) return TblFileKind::Aco;
    if (ext == QLatin1String(".cgd")) return TblFileKind::Cgd;
    if (ext == QLatin1String(".gpl")) return TblFileKind::Gpl;
    if (ext == QLatin1String(".ase")) return TblFileKind::Ase;
    return TblFileKind::Text;
}

SaveFormat ProposedSaveFormat(const TblFileNames& names)
{
    switch (KindOf(names.TblFileName)) {
    case TblFileKind::Aco: return {1, QStringLiteral("aco")};
    case TblFileKind::Gpl: return {2, QStringLiteral("gpl")};
    case TblFileKind::Ase: return {3, QStringLiteral("ase")};
    case TblFileKind::Cgd:
    case TblFileKind::Text: break;
    }
    return {0, QStringLiteral("tab")};
}

QString ProposedSaveName(const TblFileNames& names)
{
    const QString file =
        names.TblBaseName.isEmpty() ? QString() : names.TblBaseName + u'.' + ProposedSaveFormat(names).extension;
    const bool hasFolder = FileNamePart(names.TblFileName).size() < names.TblFileName.size();
    return hasFolder ? names.TblFileDir + u'/' + file : file;
}

}  // namespace qolvar::table
