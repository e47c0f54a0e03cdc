#include "spinedit.h"

#include <QLineEdit>
#include <algorithm>

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

int SpinEdit::value() const { return readInt().value_or(min_); }

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
