#include "physics/ObliqueShock.h"

#include "physics/CheckedMath.h"

#include <cmath>

using namespace checked;

double MachAngle(double M1)
{
    const double x = Quotient(1.0, M1);
    return std::atan(Quotient(x, PowerHalf(1.0 - Square(x))));
}

double MachAngleBySquareRoot(double M)
{
    const double inverse = Quotient(1.0, M);
    return std::atan(Quotient(inverse, SquareRoot(1.0 - Square(inverse))));
}

double RelationNumerator(double M1, double sinBeta)
{
    return Finite(2.0 * (Square(M1 * sinBeta) - 1.0));
}

double RelationDenominator(double M1, double cos2Beta, double tanBeta, double gamma)
{
    return Finite(Finite(Square(M1) * (gamma + cos2Beta) + 2.0) * tanBeta);
}

double Deflection(double M1, double BetaR, double gamma)
{
    const double N = RelationNumerator(M1, std::sin(BetaR));
    const double D = RelationDenominator(M1, std::cos(2.0 * BetaR), std::tan(BetaR), gamma);
    return std::atan(Quotient(N, D));
}

namespace {

// Newton's step with the γ of D and the γ of D′ given apart.
double Step(double M1, double BetaR, double tanTeta, double gammaOfD, double gammaOfSlope)
{
    const double s = std::sin(BetaR);
    const double s2 = std::sin(2.0 * BetaR);
    const double c2 = std::cos(2.0 * BetaR);
    const double tb = std::tan(BetaR);
    const double M1sq = Square(M1);
    const double N = RelationNumerator(M1, s);
    const double D = RelationDenominator(M1, c2, tb, gammaOfD);
    const double dN = Finite(2.0 * M1sq * s2);
    const double dD = Finite((Square(tb) + 1.0) * Finite(M1sq * (gammaOfSlope + c2) + 2.0) -
                             Finite(Finite(2.0 * M1sq * tb) * s2));
    const double F = Quotient(N, D) - tanTeta;
    const double dF = Quotient(Finite(Finite(dN * D) - Finite(N * dD)), Square(D));
    return Finite(BetaR - Quotient(F, dF));
}

} // namespace

double NewtonStep(double M1, double BetaR, double tanTeta, double gamma)
{
    return Step(M1, BetaR, tanTeta, Air.gamma, gamma);
}

double NewtonStep(double M1, double BetaR, double tanTeta, const PerfectGas& gas)
{
    return Step(M1, BetaR, tanTeta, gas.gamma, gas.gamma);
}

MachSquaredTerms MachSquared(double TetaR, double BetaR, double gamma)
{
    const double k = Finite(std::tan(TetaR) * std::tan(BetaR));
    const double num = Finite(1.0 + k);
    const double den =
        Finite(Square(std::sin(BetaR)) - Finite(k * (gamma + std::cos(2.0 * BetaR))) / 2.0);
    return {num, den};
}

double LimitDeflection(double BetaR, double gamma)
{
    return std::atan(std::sin(2.0 * BetaR) / (gamma + std::cos(2.0 * BetaR)));
}

// The normal-shock relations applied to the normal component of the flow.
FlowBehindShock FlowBehind(double M1, double BetaR, double TetaR, const PerfectGas& gas)
{
    // Upstream normal Mach number: Mn1 = M1 sin β.
    const double Mn1 = Finite(M1 * std::sin(BetaR));
    // Downstream normal Mach number: Mn2² = (1 + (γ−1)/2 Mn1²) / (γ Mn1² − (γ−1)/2).
    const double Mn2 =
        SquareRoot(Quotient(1.0 + gas.halfGammaMinusOne * Square(Mn1),
                            Finite(gas.gamma * Square(Mn1) - gas.halfGammaMinusOne)));
    // Downstream Mach number from its normal component: M2 = Mn2 / sin(β − θ).
    const double M2 = Quotient(Mn2, std::sin(BetaR - TetaR));
    // Pressure ratio: p2/p1 = 1 + 2γ/(γ+1) (Mn1² − 1).
    const double p2p1 = Finite(1.0 + gas.pressureRise * (Square(Mn1) - 1.0));
    // Density ratio: ρ2/ρ1 = (γ+1) Mn1² / ((γ−1) Mn1² + 2).
    const double rho2rho1 =
        Quotient(gas.gammaPlusOne * Square(Mn1), Finite(gas.gammaMinusOne * Square(Mn1) + 2.0));
    // Temperature ratio of a perfect gas: T2/T1 = (p2/p1) / (ρ2/ρ1).
    const double T2T1 = Quotient(p2p1, rho2rho1);
    // Total pressure ratio: p0 ∝ p^(−1/(γ−1)) ρ^(γ/(γ−1)) at a fixed total temperature, so
    // p02/p01 = ((ρ2/ρ1)^γ / (p2/p1))^(1/(γ−1)). Taken in this order neither power overflows;
    // for a shock of any strength the inner quotient lies between 0 and 1.
    const double p02p01 = Finite(
        std::pow(Quotient(Finite(std::pow(rho2rho1, gas.gamma)), p2p1), gas.inverseGammaMinusOne));
    return {Mn1, Mn2, M2, p2p1, T2T1, rho2rho1, p02p01};
}
