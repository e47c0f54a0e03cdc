// Copy-as of the main window: the Edit menu's "copy the colour" command
// (EditCopyCmd, Ctrl+Shift+C), the choice of format (#RRGGBB, rgb(),
// hsl() or the user's template) and the template's editor. The format and
// the template are kept in the settings.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

#include "colour/codes.h"
#include "colour/conditions.h"

class QAction;
class QMenuBar;
class QWidget;

namespace qolvar::app {

class CopyAs : public QObject {
    Q_OBJECT
public:
    struct Host {
        // The colour to copy (CurRGB).
        std::function<RGBCode()> colour;
        // A plain message on the status bar.
        std::function<void(const QString&, int)> say;
        // Runs a command, the library's errors shown.
        std::function<void(QObject*, const std::function<void()>&)> guarded;
        // Reports a stored setting that cannot be used.
        std::function<void(const std::exception&)> report;
        // The conditions the models' values are written under.
        std::function<const ConversionConditions&()> conditions;
    };
    // Adds the Edit menu (Edit1) to the window's menu bar.
    CopyAs(QWidget* window, QMenuBar* bar, Host host);

    QAction* EditCopyCmd = nullptr;

    // The chosen format: a predefined format's name (hex, css-rgb …) or
    // template.
    QString CopyFormat() const;
    const QString& CopyTemplate() const { return copyTemplate_; }
    // The stored format and template; a template that cannot be read (the
    // settings were edited by hand) is reported and the default one stays.
    void Restore(const QString& format, const QString& templ);

private slots:
    // Copies the current colour in the chosen format.
    void EditCopyClick();
    // Asks for the copy template and chooses it (CopyTemplateEdit1).
    void CopyTemplateEditClick();

private:
    void SetCopyFormat(const QString& format);

    QWidget* window_;
    Host host_;
    QAction *CopyHex1 = nullptr, *CopyRGB1 = nullptr, *CopyHSL1 = nullptr, *CopyHWB1 = nullptr, *CopyLab1 = nullptr,
            *CopyLCh1 = nullptr, *CopyOkLab1 = nullptr, *CopyOkLCh1 = nullptr, *CopyP31 = nullptr,
            *CopyTemplate1 = nullptr, *CopyTemplateEdit1 = nullptr;
    QList<QAction*> formats_;  // the choices of the format, the template last
    // The user's copy template ({R} {G} {B}, {lab.L} …).
    QString copyTemplate_ = QStringLiteral("{R}, {G}, {B}");
};

// The text of a colour copied by a format: a name of the predefined formats
// (hex, css-rgb, css-oklch …) or a template. Throws TemplateError for a
// template that cannot be read, and the conversions' errors.
QString CopyText(const QString& format, RGBCode code, const ConversionConditions& conditions);

}  // namespace qolvar::app
