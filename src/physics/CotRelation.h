#pragma once

#include "physics/CheckedMath.h"
#include "physics/PerfectGas.h"

#include <stdexcept>

// The θ–β–M relation written in c = cot β, with u = 1/M1² and w = 1 − u:
//   tan θ = 2c (w − u c²) / ((γ+1+2u) c² + γ−1+2u),
// the form tan θ = 2 cot β (M1² sin²β − 1) / (M1² (γ + cos 2β) + 2) takes when its numerator and
// denominator are divided by M1² / sin²β. w is taken as ((M1−1)/M1)((M1+1)/M1), which keeps its
// digits where M1 is near 1, and nothing overflows for any finite M1.
struct MachTerms {
    double u; // 1 / M1²
    double w; // 1 − 1 / M1²
};

inline MachTerms MachTermsOf(double M1)
{
    if (!(M1 > 1.0))
        throw std::domain_error("A shock needs M1 above 1");
    const double inverse = checked::Quotient(1.0, M1);
    return {inverse * inverse,
            checked::Finite(checked::Quotient(M1 - 1.0, M1) * checked::Quotient(M1 + 1.0, M1))};
}

inline double TanDeflectionOfCot(const MachTerms& m, double c, const PerfectGas& gas)
{
    using namespace checked;
    const double c2 = Square(c);
    return Quotient(Finite(2.0 * c * Finite(m.w - m.u * c2)),
                    Finite((gas.gammaPlusOne + 2.0 * m.u) * c2 + gas.gammaMinusOne + 2.0 * m.u));
}
