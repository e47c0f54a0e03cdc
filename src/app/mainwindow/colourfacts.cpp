#include "mainwindow/colourfacts.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

#include "colour/cie.h"
#include "colour/colourformat.h"
#include "colour/contrast.h"
#include "table/entry.h"
#include "widgets/winhelpers.h"

namespace qolvar::app {

namespace {

QString Fixed(long double v, int decimals) { return QString::number(static_cast<double>(v), 'f', decimals); }

}  // namespace

ColourFacts::ColourFacts(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("panelColourFacts"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    labelNearest_ = Named(new QLabel(this), "labelNearest");
    labelContrast_ = Named(new QLabel(this), "labelContrast");
    // The nearest entry's name comes from a table file.
    labelNearest_->setTextFormat(Qt::PlainText);
    labelContrast_->setTextFormat(Qt::PlainText);
    labelNearest_->setTextFormat(Qt::PlainText);
    labelContrast_->setTextFormat(Qt::PlainText);
    // The name takes what width the status bar has left, shortened with
    // "…" to fit it; it never widens the window.
    labelNearest_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    labelNearest_->installEventFilter(this);
    row->addWidget(labelNearest_, 1);
    row->addWidget(labelContrast_);
}

void ColourFacts::SetTable(const QStringList& rows)
{
    candidates_.clear();
    candidates_.reserve(static_cast<std::size_t>(rows.size()));
    for (const QString& row : rows) {
        const table::TColorTabel e = table::DeriveEntry(row);
        candidates_.push_back({ColorToCode(e.Color), ShownText(e.Name)});
    }
    labs_.clear();
}

void ColourFacts::RebuildLabsIfStale()
{
    if (labs_.size() == candidates_.size()) return;
    labs_.clear();
    labs_.reserve(candidates_.size());
    for (const Candidate& c : candidates_) labs_.push_back(LabOf(c.code, kNamedColourConditions));
}

void ColourFacts::Show(RGBCode current, RGBCode refreshed)
{
    current &= 0xFFFFFF;
    refreshed &= 0xFFFFFF;
    // Nearest entry: the L*a*b* of black or of a table with no rows may be
    // all there is; a conversion that fails leaves the label empty.
    QString nearest, nearestHint;
    try {
        RebuildLabsIfStale();
        if (const auto best = NearestByDeltaE(LabOf(current, kNamedColourConditions), labs_)) {
            const Candidate& c = candidates_[best->index];
            const QString name = c.name.isEmpty() ? QStringLiteral("#") + HexText(c.code) : c.name;
            nearest = tr("≈ %1  ΔE %2").arg(name, Fixed(best->deltaE, 1));
            nearestHint = tr("カラーテーブルで最も近い色: %1 #%2（CIEDE2000 の色差 ΔE00 = %3）")
                              .arg(name, HexText(c.code), Fixed(best->deltaE, 2));
        }
    } catch (const ColourError&) {
        labs_.clear();
    }
    nearest_ = nearest;
    ElideNearest();
    labelNearest_->setToolTip(PlainToolTip(nearestHint));

    const long double ratio = ContrastRatio(current, refreshed);
    const ContrastLevels levels = ContrastLevelsOf(ratio);
    // The best level each size of text reaches.
    auto level = [](bool aaa, bool aa) { return aaa ? QStringLiteral("AAA") : aa ? QStringLiteral("AA") : tr("—"); };
    labelContrast_->setText(
        tr("コントラスト %1:1  %2 / 大 %3")
            .arg(Fixed(ratio, 2), level(levels.normalAAA, levels.normalAA), level(levels.largeAAA, levels.largeAA)));
    labelContrast_->setToolTip(tr("現在の色と前回更新時の色のコントラスト比（WCAG 2）%1:1\n"
                                  "通常の文字: AA %2、AAA %3\n大きい文字: AA %4、AAA %5")
                                   .arg(Fixed(ratio, 2), levels.normalAA ? tr("合格") : tr("不合格"),
                                        levels.normalAAA ? tr("合格") : tr("不合格"),
                                        levels.largeAA ? tr("合格") : tr("不合格"),
                                        levels.largeAAA ? tr("合格") : tr("不合格")));
}

void ColourFacts::ElideNearest()
{
    // Until the window is laid out the label has no width of its own yet.
    labelNearest_->setText(labelNearest_->isVisible() ? labelNearest_->fontMetrics().elidedText(
                                                            nearest_, Qt::ElideRight, labelNearest_->width())
                                                      : nearest_);
}

bool ColourFacts::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == labelNearest_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) ElideNearest();
    return QWidget::eventFilter(watched, event);
}

}  // namespace qolvar::app
