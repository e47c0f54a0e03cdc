#include "spinedit.h"

#include <QLineEdit>
#include <algorithm>
#include <cmath>
#include <limits>

namespace qolvar::platform {

SpinEdit::SpinEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setKeyboardTracking(true);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    lineEdit()->setText(QStringLiteral("0"));
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinEdit::changed);
}

void SpinEdit::setRange(int minValue, int maxValue)
{
    min_ = minValue;
    max_ = maxValue;
}

QString SpinEdit::Text() const { return lineEdit()->text(); }

void SpinEdit::setText(const QString& text)
{
    if (lineEdit()->text() != text) lineEdit()->setText(text);
}

std::optional<int> SpinEdit::readInt() const
{
    bool ok = false;
    const int v = lineEdit()->text().trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return v;
}

int SpinEdit::value() const
{
    if (decimals_ == 0) return readInt().value_or(min_);
    // A real number in steps; one beyond what an int holds is an end.
    const auto r = readReal();
    if (!r) return min_;
    const double steps = std::round(*r * scale_);
    if (steps <= std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    if (steps >= std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    return static_cast<int>(steps);
}

void SpinEdit::setValue(int v)
{
    if (decimals_ == 0)
        setText(QString::number(v));
    else
        setReal(v / scale_);
}

void SpinEdit::setDecimals(int decimals)
{
    decimals_ = std::clamp(decimals, 0, 6);
    scale_ = std::pow(10.0, decimals_);
}

std::optional<double> SpinEdit::readReal() const
{
    bool ok = false;
    const double v = lineEdit()->text().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

void SpinEdit::setReal(double v)
{
    // Rounded first, so that a small negative value shows as 0, not -0.
    double shown = std::round(v * scale_) / scale_;
    if (shown == 0) shown = 0;
    setText(QString::number(shown, 'f', decimals_));
}

QValidator::State SpinEdit::validate(QString&, int&) const { return QValidator::Acceptable; }

void SpinEdit::fixup(QString&) const {}

void SpinEdit::stepBy(int steps)
{
    const qint64 v = static_cast<qint64>(value()) + steps;
    setValue(static_cast<int>(std::clamp<qint64>(v, min_, max_)));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const
{
    const int v = value();
    StepEnabled e = StepNone;
    if (v < max_) e |= StepUpEnabled;
    if (v > min_) e |= StepDownEnabled;
    return e;
}

void SpinEdit::focusOutEvent(QFocusEvent* event)
{
    QAbstractSpinBox::focusOutEvent(event);
    // Only a number outside the range is rewritten; an empty field or a
    // lone sign stays as typed (it reads as the minimum).
    const int v = value();
    if (min_ <= max_ && (v < min_ || v > max_)) setValue(std::clamp(v, min_, max_));
}

}  // namespace qolvar::platform
