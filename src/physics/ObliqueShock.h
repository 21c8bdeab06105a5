#pragma once

#include "physics/PerfectGas.h"

// The physics of an oblique shock in a perfect gas, as plain functions of numbers: the Mach
// angle, the θ–β–M relation, its Newton step and the flow behind the shock. Angles are in
// radians. Every step that has no finite result throws ArithmeticFault, except in
// LimitDeflection, whose quotient is never infinite (its denominator γ + cos 2β is at least 0.4).
//
// The ratio of specific heats γ = 1.4 appears in two forms, as the program has always computed
// it: where a function takes `gamma`, the caller passes the form state's Gamma or the fixed 1.4;
// elsewhere the numbers of the window's gas, Air (0.2, 1.4, 2.4, 0.4, 7/6), are used. The
// results agree because Gamma is 1.4. The functions that take a PerfectGas compute with that
// gas alone, and with Air give exactly what the window computes.

// The Mach angle of M1, atan(x / (1 − x²)^0.5) with x = 1 / M1: the root as the power 0.5.
double MachAngle(double M1);
// The Mach angle of M as the chart computes it, atan((1/M) / √(1 − (1/M)²)).
double MachAngleBySquareRoot(double M);

// The θ–β–M relation tan θ = N / D, for the wave angle β whose sine, cosine of twice and
// tangent are given:
//   N = 2 ((M1 sin β)² − 1)
//   D = (M1² (γ + cos 2β) + 2) tan β
double RelationNumerator(double M1, double sinBeta);
double RelationDenominator(double M1, double cos2Beta, double tanBeta, double gamma);

// The deflection θ = atan(N / D) that a shock at wave angle β turns a flow at M1 through.
double Deflection(double M1, double BetaR, double gamma);

// One step of Newton's method on F(β) = N / D − tan θ: β − F / F′, with N′ = 2 M1² sin 2β and
// D′ = (tan²β + 1)(M1² (γ + cos 2β) + 2) − 2 M1² tan β sin 2β. D takes the fixed 1.4, D′ the
// given `gamma`.
double NewtonStep(double M1, double BetaR, double tanTeta, double gamma);
// The same step with the gas's γ in both D and D′; for Air, the step above with gamma = 1.4.
double NewtonStep(double M1, double BetaR, double tanTeta, const PerfectGas& gas);

// The relation solved for M1² = num / den, for a given deflection and wave angle:
//   k = tan θ tan β,  num = 1 + k,  den = sin²β − k (γ + cos 2β) / 2.
struct MachSquaredTerms {
    double num;
    double den;
};
MachSquaredTerms MachSquared(double TetaR, double BetaR, double gamma);

// The deflection that the relation approaches at wave angle β as M1 grows without bound,
// atan(sin 2β / (γ + cos 2β)).
double LimitDeflection(double BetaR, double gamma);

// The flow just behind an attached shock: the normal-shock relations of a perfect gas, the
// window's unless another is given, applied to the velocity component normal to the shock.
struct FlowBehindShock {
    double Mn1;      // upstream normal Mach number, M1 sin β
    double Mn2;      // downstream normal Mach number
    double M2;       // downstream Mach number, Mn2 / sin(β − θ)
    double p2p1;     // static pressure ratio
    double T2T1;     // static temperature ratio, p2/p1 divided by the density ratio
    double rho2rho1; // density ratio
    double p02p01;   // total pressure ratio, what is left of the total pressure behind the shock
};
FlowBehindShock FlowBehind(double M1, double BetaR, double TetaR, const PerfectGas& gas = Air);
