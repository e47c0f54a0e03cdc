// Number texts and small widget helpers shared by the model pages.
//
// Reading: a real number is read whatever the user's locale, with "." as the
// decimal separator and blanks allowed around it; text that is not a number
// raises ConvertError. Writing: the library's fixed and general texts.
#pragma once

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <string>

#include "colour/errors.h"
#include "colour/numtext.h"

namespace qolvar::app {

// The real number in text, at extended precision; blanks around it are
// allowed. Text that is not a number raises ConvertError.
inline long double ReadReal(const QString& text)
{
    const std::string s = text.toStdString();
    const auto v = ParseDecimalTrimmed(s);
    if (!v) throw ConvertError("'" + s + "' is not a valid floating point value");
    return *v;
}

// The library's number texts as QStrings (see colour/numtext.h).
inline QString FixedText(long double v, int decimals, int width = 4)
{
    return QString::fromLatin1(qolvar::FixedText(v, decimals, width));
}
inline QString GeneralText(long double v) { return QString::fromLatin1(qolvar::GeneralText(v)); }

// Writes a line edit's text only when it differs, so that its change signal
// is raised exactly when the value changes.
inline void SetEditText(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text) edit->setText(text);
}

// A radio group: a box of radio buttons laid out in `columns` columns, the
// buttons' ids being their item indices.
inline QButtonGroup* MakeRadioGroup(QGroupBox* box, const QStringList& items, int columns)
{
    auto* group = new QButtonGroup(box);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setSpacing(2);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], box);
        b->setObjectName(box->objectName() + QString::number(i));
        group->addButton(b, i);
        // Items run down the first column, then the next, as in a radio group.
        grid->addWidget(b, i % rows, i / rows);
    }
    return group;
}

}  // namespace qolvar::app
