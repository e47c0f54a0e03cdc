// Number texts and small widget helpers shared by the model pages.
//
// Reading: a real number is read whatever the user's locale, with "." as the
// decimal separator and blanks allowed around it; text that is not a number
// raises ConvertError.
//
// Writing: fixed texts ("%4.2f" and the like) and the general text with at
// most 15 significant digits are produced from the value's decimal expansion
// to 18 significant digits, rounded half away from zero at the last digit
// shown. A value that rounds to zero is written without a minus sign.
#pragma once

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <charconv>
#include <cmath>
#include <cstdio>
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

namespace detail {

// The value's decimal digits: value = 0.d1d2... × 10^exp10 once rounded to
// `keep` digits, where keep is given by the caller through a callback of the
// decimal exponent. Returns the kept digits (no leading zeros, possibly
// empty when the value rounds to zero) and sets exp10 and negative.
struct Decimal {
    std::string digits;  // significant digits, most significant first
    int exp10 = 0;       // value = 0.digits × 10^exp10
    bool negative = false;
};

inline Decimal Expand(long double v)
{
    Decimal d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17Le", v);  // d.ddddddddddddddddde±x
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') d.digits.push_back(*p);
    const int e = (*p == 'e') ? std::atoi(p + 1) : 0;
    d.exp10 = e + 1;
    // Drop leading zeros (only a zero value has them).
    std::size_t nz = d.digits.find_first_not_of('0');
    if (nz == std::string::npos) {
        d.digits.clear();
        d.exp10 = 0;
    }
    return d;
}

// Rounds d to n significant digits, half away from zero.
inline void RoundTo(Decimal& d, int n)
{
    if (n < 0) {
        d.digits.clear();
        return;
    }
    if (static_cast<std::size_t>(n) >= d.digits.size()) return;
    const bool up = d.digits[static_cast<std::size_t>(n)] >= '5';
    d.digits.resize(static_cast<std::size_t>(n));
    if (up) {
        int i = n - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exp10;
        }
    }
    const std::size_t last = d.digits.find_last_not_of('0');
    d.digits.resize(last == std::string::npos ? 0 : last + 1);
    if (d.digits.empty()) d.exp10 = 0;
}

// Digit at position i of the integer + fraction (weight 10^(exp10-1-i)).
inline char DigitAt(const Decimal& d, int i)
{
    return (i >= 0 && static_cast<std::size_t>(i) < d.digits.size()) ? d.digits[static_cast<std::size_t>(i)] : '0';
}

}  // namespace detail

// Fixed notation with `decimals` decimals, right-aligned in `width` characters.
inline QString NonFiniteText(long double v)
{
    return std::isnan(v) ? QStringLiteral("NAN") : v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

inline QString FixedText(long double v, int decimals, int width = 4)
{
    if (!std::isfinite(v)) return NonFiniteText(v).rightJustified(width, QLatin1Char(' '));
    detail::Decimal d = detail::Expand(v);
    detail::RoundTo(d, d.exp10 + decimals);
    std::string s;
    if (d.negative && !d.digits.empty()) s.push_back('-');
    if (d.exp10 <= 0) {
        s.push_back('0');
    } else {
        for (int i = 0; i < d.exp10; ++i) s.push_back(detail::DigitAt(d, i));
    }
    if (decimals > 0) {
        s.push_back('.');
        for (int k = 0; k < decimals; ++k) s.push_back(detail::DigitAt(d, d.exp10 + k));
    }
    return QString::fromStdString(s).rightJustified(width, QLatin1Char(' '));
}

// The shortest text with at most 15 significant digits and no trailing
// zeros: fixed notation for values from 0.00001 up to 15 integer digits,
// otherwise d.dddE±x.
inline QString GeneralText(long double v)
{
    if (!std::isfinite(v)) return NonFiniteText(v);
    detail::Decimal d = detail::Expand(v);
    detail::RoundTo(d, 15);
    if (d.digits.empty()) return QStringLiteral("0");
    std::string s;
    if (d.negative) s.push_back('-');
    const int n = static_cast<int>(d.digits.size());
    if (d.exp10 > 15 || d.exp10 < -4) {
        s.push_back(d.digits[0]);
        if (n > 1) {
            s.push_back('.');
            s.append(d.digits, 1, std::string::npos);
        }
        s.push_back('E');
        const int e = d.exp10 - 1;
        if (e < 0) s.push_back('-');
        s += std::to_string(e < 0 ? -e : e);
    } else if (d.exp10 <= 0) {
        s += "0.";
        s.append(static_cast<std::size_t>(-d.exp10), '0');
        s += d.digits;
    } else {
        for (int i = 0; i < d.exp10; ++i) s.push_back(detail::DigitAt(d, i));
        if (n > d.exp10) {
            s.push_back('.');
            s.append(d.digits, static_cast<std::size_t>(d.exp10), std::string::npos);
        }
    }
    return QString::fromStdString(s);
}

// Upper-case hexadecimal, zero-padded to at least `width` digits.
inline QString HexText(std::uint32_t v, int width)
{
    return QStringLiteral("%1").arg(v, width, 16, QLatin1Char('0')).toUpper();
}

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
