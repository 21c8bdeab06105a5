#pragma once

#include "physics/ArithmeticFault.h"

#include <cmath>

// Arithmetic steps of the calculation that stop it with an ArithmeticFault where a double would
// silently turn into inf or nan.
namespace checked {

inline double Finite(double value)
{
    if (!std::isfinite(value))
        throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    return value;
}

inline double Square(double value)
{
    return Finite(value * value);
}

inline double Quotient(double numerator, double denominator)
{
    if (denominator == 0.0)
        throw ArithmeticFault(ArithmeticFault::Kind::DivisionByZero);
    return Finite(numerator / denominator);
}

// The square root written as the power 0.5.
inline double PowerHalf(double value)
{
    if (value < 0.0)
        throw ArithmeticFault(ArithmeticFault::Kind::NegativeRoot);
    return std::pow(value, 0.5);
}

inline double SquareRoot(double value)
{
    if (value < 0.0)
        throw ArithmeticFault(ArithmeticFault::Kind::NegativeRoot);
    return std::sqrt(value);
}

} // namespace checked
