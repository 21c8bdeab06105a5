#pragma once

#include <stdexcept>

// A step of a calculation that has no finite result. It abandons the request at that step;
// what was written before it stays, and the user is told what went wrong.
class ArithmeticFault : public std::runtime_error {
public:
    enum class Kind { Overflow, DivisionByZero, NegativeRoot };

    explicit ArithmeticFault(Kind kind) : std::runtime_error(MessageFor(kind)), m_kind(kind) {}

    Kind FaultKind() const { return m_kind; }

    static const char* MessageFor(Kind kind)
    {
        switch (kind) {
        case Kind::Overflow:
            return "Arithmetic overflow";
        case Kind::DivisionByZero:
            return "Division by zero";
        case Kind::NegativeRoot:
            return "Square root of a negative number";
        }
        return "Arithmetic fault";
    }

private:
    Kind m_kind;
};
