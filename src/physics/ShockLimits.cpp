#include "physics/ShockLimits.h"

#include "physics/BracketedRoot.h"
#include "physics/CheckedMath.h"
#include "physics/CotRelation.h"

#include <cmath>

using namespace checked;

namespace {

// A point of the curve given by sin²β and cos²β, computed apart.
ShockPoint PointOf(const MachTerms& m, double sin2, double cos2, const PerfectGas& gas)
{
    const double c = SquareRoot(Quotient(cos2, sin2));
    return {std::atan2(SquareRoot(sin2), SquareRoot(cos2)),
            std::atan(TanDeflectionOfCot(m, c, gas))};
}

// sin²β* = ((γ+1)/4 − u + √R) / γ with R = (γ+1)((γ+1)/16 + (γ−1)u/2 + u²), the closed form
// divided by M1²; cos²β* = 1 − sin²β* with the difference taken out:
// cos²β* = w (u + (γ−1)/2) / ((3γ−1)/4 + u + √R).
ShockPoint DetachmentOf(const MachTerms& m, const PerfectGas& gas)
{
    const double root = SquareRoot(
        gas.gammaPlusOne * (gas.gammaPlusOne / 16.0 + gas.halfGammaMinusOne * m.u + m.u * m.u));
    const double sin2 = (gas.gammaPlusOne / 4.0 - m.u + root) / gas.gamma;
    const double cos2 =
        Quotient(m.w * (m.u + gas.halfGammaMinusOne), (3.0 * gas.gamma - 1.0) / 4.0 + m.u + root);
    return PointOf(m, sin2, cos2, gas);
}

} // namespace

ShockPoint Detachment(double M1, const PerfectGas& gas)
{
    return DetachmentOf(MachTermsOf(M1), gas);
}

// sin²βs = ((γ+1)/4 − (3−γ)u/4 + √R) / γ with
// R = (γ+1)((9+γ)u²/16 − (3−γ)u/8 + (γ+1)/16), the closed form divided by M1²; and
// cos²βs = w (u + (γ−1)/2) / ((3γ−1)/4 + (3−γ)u/4 + √R).
ShockPoint SonicPoint(double M1, const PerfectGas& gas)
{
    const MachTerms m = MachTermsOf(M1);
    const double threeMinusGamma = 3.0 - gas.gamma;
    const double root =
        SquareRoot(gas.gammaPlusOne * ((9.0 + gas.gamma) * m.u * m.u / 16.0 -
                                       threeMinusGamma * m.u / 8.0 + gas.gammaPlusOne / 16.0));
    const double sin2 = (gas.gammaPlusOne / 4.0 - threeMinusGamma * m.u / 4.0 + root) / gas.gamma;
    const double cos2 =
        Quotient(m.w * (m.u + gas.halfGammaMinusOne),
                 (3.0 * gas.gamma - 1.0) / 4.0 + threeMinusGamma * m.u / 4.0 + root);
    return PointOf(m, sin2, cos2, gas);
}

double LimitMaxDeflection(const PerfectGas& gas)
{
    // θmax at u = 0, by the same steps as at every M1, so that every θ below it has an M1.
    return DetachmentOf({0.0, 1.0}, gas).TetaR;
}

std::optional<double> LeastAttachingMach(double TetaR, const PerfectGas& gas)
{
    const double limit = LimitMaxDeflection(gas);
    if (!(TetaR < limit))
        return std::nullopt;
    if (TetaR <= 0.0)
        return 1.0;
    // θmax falls from its limit at u = 1/M1² = 0 to 0 at u = 1: its root in u is bracketed by
    // the two, and u keeps its relative precision however large M1 is.
    const auto excess = [&](double u) {
        return DetachmentOf({u, 1.0 - u}, gas).TetaR - TetaR;
    };
    const double u = BracketedRoot(excess, 0.0, 1.0, limit - TetaR, -TetaR);
    return Quotient(1.0, SquareRoot(u));
}
