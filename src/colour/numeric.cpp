#include "numeric.h"

namespace qolvar {

namespace {
MessageId FloatMessage(FloatError::Kind kind)
{
    switch (kind) {
    case FloatError::Kind::InvalidOperation: return MessageId::FloatInvalid;
    case FloatError::Kind::DivisionByZero: return MessageId::FloatDivisionByZero;
    case FloatError::Kind::Overflow: return MessageId::FloatOverflow;
    }
    return MessageId::FloatOther;
}
}  // namespace

FloatError::FloatError(Kind kind) : ColourError(Message{FloatMessage(kind), {}, nullptr}), kind_(kind) {}

namespace num {

void ThrowInvalid() { throw FloatError(FloatError::Kind::InvalidOperation); }
void ThrowZeroDivide() { throw FloatError(FloatError::Kind::DivisionByZero); }
void ThrowOverflow() { throw FloatError(FloatError::Kind::Overflow); }

Ext IntPower(Ext base, std::int64_t exponent)
{
    // Right-to-left binary exponentiation: the result collects the squares
    // of the base that belong to the set bits of the exponent.
    std::uint64_t n = exponent < 0 ? static_cast<std::uint64_t>(-exponent) : static_cast<std::uint64_t>(exponent);
    Ext result = 1;
    Ext square = base;
    while (n != 0) {
        if (n & 1) result = result * square;
        n >>= 1;
        if (n != 0) square = square * square;
    }
    if (std::isinf(result)) ThrowOverflow();
    if (exponent < 0) result = Div(1, result);
    return result;
}

Ext Pow(Ext x, Ext y)
{
    if (y == 0) return 1;
    if (x == 0 && y > 0) return 0;
    if (y == std::trunc(y) && std::fabs(y) <= 2147483647.0L) return IntPower(x, static_cast<std::int64_t>(y));
    if (x < 0 || std::isnan(x) || std::isnan(y)) ThrowInvalid();
    if (x == 0) ThrowZeroDivide();  // ln 0 with a negative exponent
    const Ext r = std::exp(y * std::log(x));
    if (std::isinf(r)) ThrowOverflow();
    return r;
}

}  // namespace num
}  // namespace qolvar
