// Exceptions of the colour library.
//
// Floating-point failures (invalid operation, division by zero, overflow) are
// detected explicitly where they can arise and thrown as FloatError; the
// library never relies on processor traps. Callers tell the kinds apart by
// type: the windows ignore ConvertError (a number that could not be read from
// text) and show every other error with its message.
#pragma once

#include <stdexcept>
#include <string>

namespace qolvar {

class ColourError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FloatError : public ColourError {
public:
    enum class Kind { InvalidOperation, DivisionByZero, Overflow };
    explicit FloatError(Kind kind);
    Kind kind() const noexcept { return kind_; }

private:
    Kind kind_;
};

// Text that does not hold a number where one is expected.
class ConvertError : public ColourError {
public:
    using ColourError::ColourError;
};

// A value outside the range its field or table can hold.
class RangeError : public ColourError {
public:
    using ColourError::ColourError;
};

// A colour template (colourformat.h) that cannot be used.
class TemplateError : public ColourError {
public:
    using ColourError::ColourError;
};

// A data file that cannot be opened or read.
class FileError : public ColourError {
public:
    using ColourError::ColourError;
};

}  // namespace qolvar
