#include "dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

namespace qolvar::platform {

namespace {

// While it lives, the settings the toolkit keeps for all Qt programs of the
// user (the colour dialog's custom colours among them) are read and written
// in a scratch folder. The dialog writes its custom colours there when it
// closes: Qolvar's custom colours live for one run and must not replace
// those of the user's other programs.
class SharedSettingsAside {
public:
    SharedSettingsAside()
        : shared_(QFileInfo(
                      QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("QtProject")).fileName())
                      .absolutePath())
    {
        if (scratch_.isValid()) QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch_.path());
    }
    ~SharedSettingsAside() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, shared_); }
    SharedSettingsAside(const SharedSettingsAside&) = delete;
    SharedSettingsAside& operator=(const SharedSettingsAside&) = delete;

private:
    QString shared_;
    QTemporaryDir scratch_;
};

class QtDialogs : public Dialogs {
public:
    int message(QWidget* parent, MsgKind kind, const QString& caption, const QString& text, int buttons) override
    {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        switch (kind) {
        case MsgKind::Warning: icon = QMessageBox::Warning; break;
        case MsgKind::Confirmation: icon = QMessageBox::Question; break;
        case MsgKind::Information: icon = QMessageBox::Information; break;
        case MsgKind::Error: icon = QMessageBox::Critical; break;
        }
        QMessageBox box(icon, caption, text, QMessageBox::NoButton, parent);
        // Messages carry file names, values and texts from files: shown as
        // they are, never as markup.
        box.setTextFormat(Qt::PlainText);
        struct Map {
            int ours;
            QMessageBox::StandardButton qt;
        };
        const Map map[] = {
            {kYes, QMessageBox::Yes}, {kNo, QMessageBox::No}, {kOk, QMessageBox::Ok}, {kCancel, QMessageBox::Cancel}};
        for (const auto& m : map)
            if (buttons & m.ours) box.addButton(m.qt);
        box.exec();
        const auto pressed = box.standardButton(box.clickedButton());
        for (const auto& m : map)
            if (m.qt == pressed) return m.ours;
        if (buttons & kCancel) return kCancel;
        for (const auto& m : map)
            if (buttons & m.ours) return m.ours;
        return kOk;
    }

    void beep() override { QApplication::beep(); }

    QString openFile(QWidget* parent, const FileDialogOptions& o) override
    {
        QFileDialog dialog(parent, o.title, o.initialDir, QtFilter(o.filter));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(o.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        if (!o.fileName.isEmpty()) dialog.selectFile(o.fileName);
        if (!o.defaultExt.isEmpty()) dialog.setDefaultSuffix(o.defaultExt);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return dialog.selectedFiles().first();
    }

    QString saveFile(QWidget* parent, const FileDialogOptions& o) override
    {
        QFileDialog dialog(parent, o.title, o.initialDir, QtFilter(o.filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The callers decide about replacing a file (the log replaces it,
        // the table editor asks its own question).
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        const QStringList filters = dialog.nameFilters();
        if (o.filterIndex > 0 && o.filterIndex < filters.size()) dialog.selectNameFilter(filters[o.filterIndex]);
        if (!o.fileName.isEmpty()) dialog.selectFile(o.fileName);
        if (!o.defaultExt.isEmpty()) dialog.setDefaultSuffix(o.defaultExt);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return dialog.selectedFiles().first();
    }

    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override
    {
        const SharedSettingsAside aside;  // outlives the dialog, which writes as it goes
        QColorDialog dialog(initial, parent);
        dialog.setOption(QColorDialog::DontUseNativeDialog, false);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.selectedColor();
    }

    int shellOpen(const QString& pathOrUrl) override
    {
        QUrl url(pathOrUrl);
        if (url.scheme().size() <= 1) {  // a path (a drive letter is no scheme)
            if (!QFileInfo::exists(pathOrUrl)) return 2;
            url = QUrl::fromLocalFile(pathOrUrl);
        }
        return QDesktopServices::openUrl(url) ? 42 : 31;
    }

    std::optional<QString> inputText(QWidget* parent, const QString& caption, const QString& label,
                                     const QString& initial) override
    {
        QInputDialog dialog(parent);
        dialog.setWindowTitle(caption);
        dialog.setLabelText(label);
        dialog.setTextValue(initial);
        // The label may quote what the user typed: shown as it is.
        for (QLabel* l : dialog.findChildren<QLabel*>()) l->setTextFormat(Qt::PlainText);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.textValue();
    }
};

QtDialogs& QtInstance()
{
    static QtDialogs instance;
    return instance;
}

Dialogs* current = nullptr;

}  // namespace

Dialogs& dialogs() { return current ? *current : QtInstance(); }
void SetDialogs(Dialogs* d) { current = d; }

int Warning(QWidget* parent, const QString& text, int buttons)
{
    return dialogs().message(parent, MsgKind::Warning, QCoreApplication::translate("qolvar::platform", "警告"), text,
                             buttons);
}

int Confirmation(QWidget* parent, const QString& text, int buttons)
{
    return dialogs().message(parent, MsgKind::Confirmation, QCoreApplication::translate("qolvar::platform", "確認"),
                             text, buttons);
}

int Information(QWidget* parent, const QString& text, int buttons)
{
    return dialogs().message(parent, MsgKind::Information, QCoreApplication::translate("qolvar::platform", "情報"),
                             text, buttons);
}

QString QtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // "*.*" means every file, but Qt's pattern needs a dot: "*" is the
        // same on this platform (a log saved as "mylog" opens again).
        if (patterns == QStringLiteral("*.*")) {
            patterns = QStringLiteral("*");
            desc.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
        }
        // Qt reads the patterns from the last parentheses of each entry.
        if (desc.endsWith(QLatin1Char(')')) && desc.contains(QStringLiteral("(") + patterns + QStringLiteral(")")))
            out << desc;
        else
            out << desc + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

}  // namespace qolvar::platform
