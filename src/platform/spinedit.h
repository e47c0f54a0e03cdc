// A spin edit as the windows' handlers expect it: any text may be typed
// (the handlers read it and decide), changed() is raised synchronously on
// every change of the text and only on a change (also when code sets the
// text), and a number outside the range is brought into it only when the
// control loses the focus (text that is not a number stays as typed).
#pragma once

#include <QAbstractSpinBox>
#include <optional>

namespace qolvar::platform {

class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit SpinEdit(QWidget* parent = nullptr);

    void setRange(int minValue, int maxValue);
    int minValue() const { return min_; }
    int maxValue() const { return max_; }

    QString Text() const;
    // Raises changed() when the text differs from the current one.
    void setText(const QString& text);
    // The text as an integer, or nullopt when it is not one.
    std::optional<int> readInt() const;
    // The text as an integer; the minimum when it is not one.
    int value() const;
    void setValue(int v);

    // With decimals > 0 the field holds a real number shown with that many
    // decimals: the range, value() and setValue() count in steps of
    // 10^-decimals, and the arrows step by one of them. 0 (the default)
    // holds an integer.
    void setDecimals(int decimals);
    int decimals() const { return decimals_; }
    // The text as a real number, or nullopt when it is not one.
    std::optional<double> readReal() const;
    // Shows a real number with the field's decimals.
    void setReal(double v);

signals:
    void changed();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    void stepBy(int steps) override;
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int min_ = 0;
    int max_ = 100;
    int decimals_ = 0;
    double scale_ = 1;  // 10^decimals_
};

}  // namespace qolvar::platform
