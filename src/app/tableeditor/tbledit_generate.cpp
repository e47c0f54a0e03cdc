// The table editor's Generate menu: palettes made from the current colour
// or from selected rows, each a new untitled table.
#include <QColorSpace>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "colour/imagepalette.h"
#include "colour/palette.h"
#include "picking/imagepick.h"
#include "platform/colorpanel.h"
#include "platform/dialogs.h"
#include "table/lines.h"
#include "tableeditor/tbledit.h"
#include "widgets/files.h"

namespace qolvar::app {

namespace {
// Ramps and gradients of more colours than this are no palette.
constexpr int kMaxGenerated = 1000;
}  // namespace

void TformTblEdit::GenerateTable(Generated kind)
{
    std::vector<CssColour> colours;
    const RGBCode current = ColorToCode(Panel1->color()) & 0xFFFFFF;
    RGBCode from = current, to = current;
    if (kind == Generated::Gradient) {
        QList<int> rows;
        for (const int r : lboxColor->SelectedRows())
            if (r >= 0 && r < doc_.Count()) rows.append(r);
        std::sort(rows.begin(), rows.end());
        if (rows.size() < 2 || rows.front() == rows.back()) {
            platform::Warning(this, tr("グラデーションの両端にする 2 行以上を選んでください"));
            return;
        }
        from = static_cast<RGBCode>(doc_.TblEntries()[static_cast<std::size_t>(rows.front())].Code);
        to = static_cast<RGBCode>(doc_.TblEntries()[static_cast<std::size_t>(rows.back())].Code);
    }
    int count = 0;
    if (kind >= Generated::Shades) {
        const auto typed =
            platform::dialogs().inputText(this, tr("色の数"), tr("作る色の数（2〜1000）:"), QStringLiteral("5"));
        if (!typed) return;
        bool ok = false;
        count = typed->trimmed().toInt(&ok);
        if (!ok || count < 2 || count > kMaxGenerated) {
            platform::Warning(this, tr("色の数は 2 から 1000 までの整数です: %1").arg(*typed));
            return;
        }
    }
    // The table in the editor is replaced: unsaved changes are asked about.
    if (!CheckTblSave()) return;
    switch (kind) {
    case Generated::Complementary: colours = HarmonyColours(current, Harmony::Complementary); break;
    case Generated::Analogous: colours = HarmonyColours(current, Harmony::Analogous); break;
    case Generated::Triadic: colours = HarmonyColours(current, Harmony::Triadic); break;
    case Generated::Split: colours = HarmonyColours(current, Harmony::Split); break;
    case Generated::Tetradic: colours = HarmonyColours(current, Harmony::Tetradic); break;
    case Generated::Shades: colours = RampColours(current, Ramp::Shades, count); break;
    case Generated::Tints: colours = RampColours(current, Ramp::Tints, count); break;
    case Generated::Tones: colours = RampColours(current, Ramp::Tones, count); break;
    case Generated::Gradient: colours = GradientColours(from, to, count, GradientSpace::OkLab); break;
    }
    QStringList lines;
    for (std::size_t i = 0; i < colours.size(); ++i)
        lines << table::ProgramLine(CodeToColor(colours[i].code), table::NumberName(static_cast<long long>(i) + 1), {});
    ShowResult(doc_.NewTable(lines));
}

void TformTblEdit::GenerateFromImage()
{
    platform::FileDialogOptions o;
    o.filter = PickImageFilter();
    o.mustExist = true;
    const QString path = ChooseOpenFile(this, o);
    if (path.isEmpty()) return;
    const auto typed =
        platform::dialogs().inputText(this, tr("色の数"), tr("取り出す色の数（1〜256）:"), QStringLiteral("8"));
    if (!typed) return;
    bool ok = false;
    const int count = typed->trimmed().toInt(&ok);
    if (!ok || count < 1 || count > kMaxImagePaletteColours) {
        platform::Warning(this, tr("色の数は 1 から 256 までの整数です: %1").arg(*typed));
        return;
    }
    QString error;
    std::optional<QImage> image = ReadPickImage(path, &error);
    if (!image) {
        platform::Warning(this, error);
        return;
    }
    // 8-bit sRGB pixels, whatever the file's depth and colour space.
    image->convertTo(QImage::Format_RGB32);
    if (image->colorSpace().isValid() && image->colorSpace() != QColorSpace(QColorSpace::SRgb))
        image->convertToColorSpace(QColorSpace::SRgb);
    std::vector<RGBCode> pixels;
    pixels.reserve(static_cast<std::size_t>(image->width()) * static_cast<std::size_t>(image->height()));
    for (int y = 0; y < image->height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image->constScanLine(y));
        pixels.insert(pixels.end(), row, row + image->width());
    }
    if (!CheckTblSave()) return;
    QStringList lines;
    for (const PaletteColour& c : ImagePalette(pixels, count))
        lines << table::ProgramLine(CodeToColor(c.code), QString::number(c.share * 100, 'f', 1) + u'%', {});
    ShowResult(doc_.NewTable(lines));
}

}  // namespace qolvar::app
