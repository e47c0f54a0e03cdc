// Texts of the table editor that follow from the table's state.
#pragma once

#include <QString>

namespace qolvar::table {

// The title label: "  ■ " + base name + " " + count + "色".
QString TblTitleText(const QString& baseName, long long count);
// The title label before any table is shown.
QString TblInitialTitle();

// The window caption for a file: "NAME - Color Table Editor".
QString TblCaptionText(const QString& fileNamePart);
// The caption after reading a colour guide (.cgd): "TITLE - Qolvar".
QString CgdCaptionText(const QString& title);

// The status bar's panel: "変更" while the table differs from its file.
QString ModifiedText(bool modified);

// "NAME への変更を保存しますか？" (Yes / No / Cancel, captioned "確認").
QString SaveChangesQuestion(const QString& fileNamePart);
// "NAME は既に存在します。上書きしますか？" (Yes / No / Cancel, "確認").
QString OverwriteQuestion(const QString& fileNamePart);

inline const QString ApplicationTitle = QStringLiteral("Qolvar");

// File dialog filters ("description|patterns" pairs joined by "|").
// They are in the user's language: functions, not constants, so that they
// follow the translation the application installs.
QString TblOpenFilter();
QString TblSaveFilter();
QString LogOpenFilter();

}  // namespace qolvar::table
