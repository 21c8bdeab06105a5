#include "physics/ShockBranches.h"

#include "physics/BracketedRoot.h"
#include "physics/CheckedMath.h"
#include "physics/CotRelation.h"
#include "physics/ShockLimits.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace checked;

ShockBranch BranchOf(double M1, double BetaR, const PerfectGas& gas)
{
    return BetaR < Detachment(M1, gas).BetaR ? ShockBranch::Weak : ShockBranch::Strong;
}

double OtherBranchWaveAngle(double M1, double BetaR, double TetaR, const PerfectGas& gas)
{
    const MachTerms m = MachTermsOf(M1);
    const ShockPoint detachment = Detachment(M1, gas);
    const bool toStrong = BetaR < detachment.BetaR;
    if (!(TetaR > 0.0)) {
        // The Mach angle, asin(1/M1), or the normal shock.
        return toStrong ? std::numbers::pi / 2 : std::atan2(SquareRoot(m.u), SquareRoot(m.w));
    }
    if (TetaR >= detachment.TetaR)
        return detachment.BetaR;

    // The relation as a cubic in c = cot β, tan θ times the denominator of the form in c less
    // its numerator: Q(c) = 2u c³ + T (γ+1+2u) c² − 2w c + T (γ−1+2u), with T = tan θ. Q has
    // the sign of tan θ − tan θ(c): positive at c = 0 and at the Mach angle, not positive at β*,
    // so that each branch's root is bracketed.
    const double T = std::tan(TetaR);
    const double a = T * (gas.gammaPlusOne + 2.0 * m.u);
    const double b = T * (gas.gammaMinusOne + 2.0 * m.u);
    const auto cubic = [&](double c) {
        return Finite(Finite(Finite((2.0 * m.u * c + a) * c - 2.0 * m.w) * c) + b);
    };
    const double cStar = Quotient(1.0, std::tan(detachment.BetaR));
    const double qStar = cubic(cStar);
    if (qStar >= 0.0)
        return detachment.BetaR; // θ within rounding of θmax: the branches meet there
    double c;
    if (toStrong) {
        c = BracketedRoot(cubic, 0.0, cStar, b, qStar);
    } else {
        // Q(c) > 0 at the Mach angle, c = √(w/u), and from c = 2w / (T (γ+1+2u)) on, where
        // T (γ+1+2u) c² outweighs 2w c; the nearer of the two closes the bracket.
        double hi = Quotient(2.0 * m.w, a);
        if (m.u > 0.0)
            hi = std::min(hi, SquareRoot(m.w / m.u));
        const double qHi = cubic(hi);
        if (qHi <= 0.0)
            return std::atan2(1.0, hi); // θ within rounding of 0: the Mach angle
        c = BracketedRoot(cubic, cStar, hi, qStar, qHi);
    }
    return std::atan2(1.0, c);
}
