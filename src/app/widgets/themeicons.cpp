#include "widgets/themeicons.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QSize>
#include <array>

namespace qolvar::app {

namespace {
constexpr std::array<const char*, 23> kNames = {
    "document-new",
    "document-open",
    "document-save",
    "document-save-as",
    "folder-open",
    "text-x-generic",
    "x-office-spreadsheet",
    "document-import",
    "application-exit",
    "edit-undo",
    "edit-cut",
    "edit-copy",
    "edit-paste",
    "edit-delete",
    "edit-find-replace",
    "insert-text",
    "list-add",
    "go-up",
    "go-down",
    "view-refresh",
    "help-contents",
    "help-about",
    "color-picker",
};
constexpr int kBundledSizes[] = {16, 22};

QString BundledPath(int size, const QString& name)
{
    return QStringLiteral(":/qolvar/icons/%1x%1/%2.png").arg(QString::number(size), name);
}

// A bundled icon whose files are decoded when it is first drawn or
// measured: a window builds many commands whose pictures are not on screen
// (hidden windows, closed menus), and start-up should not decode them all.
class BundledIconEngine : public QIconEngine {
public:
    explicit BundledIconEngine(QString name) : name_(std::move(name)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new BundledIconEngine(name_); }
    QString key() const override { return QStringLiteral("QolvarBundled"); }
    QString iconName() override { return name_; }
    // Answered from the files, without decoding them.
    bool isNull() override
    {
        if (loaded_) return icon_.isNull();
        for (int size : kBundledSizes)
            if (QFile::exists(BundledPath(size, name_))) return false;
        return true;
    }

private:
    const QIcon& Icon()
    {
        if (!loaded_) {
            for (int size : kBundledSizes) {
                const QString path = BundledPath(size, name_);
                if (QFile::exists(path)) icon_.addFile(path, QSize(size, size));
            }
            loaded_ = true;
        }
        return icon_;
    }

    QString name_;
    QIcon icon_;
    bool loaded_ = false;
};

// Whether the desktop has chosen an icon theme. Without one Qt falls back to
// "hicolor", which by the icon theme rules holds programs' own icons, not
// the command pictures; looking names up there only costs start-up time
// (its index is read whole at the first lookup).
bool DesktopIconTheme()
{
    const QString theme = QIcon::themeName();
    return !theme.isEmpty() && theme != QLatin1String("hicolor");
}
}  // namespace

std::span<const char* const> ThemeIconNames() { return kNames; }

QIcon BundledIcon(const QString& name) { return QIcon(new BundledIconEngine(name)); }

QIcon ThemeIcon(const char* name, const QIcon& fallback)
{
    const QString n = QString::fromLatin1(name);
    if (DesktopIconTheme()) {
        QIcon themed = QIcon::fromTheme(n);
        if (!themed.isNull()) return themed;
    }
    return fallback;
}

QIcon ThemeIcon(const char* name) { return ThemeIcon(name, BundledIcon(QString::fromLatin1(name))); }

}  // namespace qolvar::app
