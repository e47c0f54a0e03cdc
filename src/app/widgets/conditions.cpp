#include "widgets/conditions.h"

#include <QFile>

namespace qolvar::app {

namespace {

std::string TablePath(const QString& folder, MunsellIlluminant illuminant)
{
    std::string name = MunsellFileOf(illuminant);
    for (char& c : name)
        if (c == '\\') c = '/';
    return QFile::encodeName(folder).toStdString() + name;
}

}  // namespace

PendingMunsellTable StartReadingMunsellTable(const QString& folder, MunsellIlluminant illuminant)
{
    PendingMunsellTable pending;
    pending.path = TablePath(folder, illuminant);
    pending.table = std::async(std::launch::async, ReadRenotationTable, pending.path, illuminant);
    return pending;
}

void WindowConditions::SetCIEGamma(int itemIndex) noexcept
{
    static constexpr float gammas[] = {1.0f, 1.8f, 2.2f, 2.4f, 3.0f};
    values_.gamma = (itemIndex >= 0 && itemIndex < 5) ? gammas[itemIndex] : 1.0f;
}

void WindowConditions::SetCIEWhite(int itemIndex) noexcept
{
    static constexpr WhitePoint whites[] = {WhiteD65, WhiteC, WhiteA, WhiteD50};
    if (itemIndex >= 0 && itemIndex < 4) values_.white = whites[itemIndex];
}

void WindowConditions::SetMunsellFile(int itemIndex) noexcept
{
    if (itemIndex == 0) munsellTable_ = MunsellIlluminant::D65;
    if (itemIndex == 1) munsellTable_ = MunsellIlluminant::C;
}

void WindowConditions::LoadMunsellTable(const QString& folder)
{
    const std::string path = TablePath(folder, munsellTable_);
    std::future<MunsellTablePtr> pending = std::move(pending_.table);
    const bool usePending = pending.valid() && pending_.path == path;
    values_.munsell = usePending ? pending.get() : ReadRenotationTable(path, munsellTable_);
}

}  // namespace qolvar::app
