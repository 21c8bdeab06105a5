#pragma once

// A perfect gas as the shock relations need it: its ratio of specific heats γ and the numbers
// made of γ that the formulas use, each computed once.
struct PerfectGas {
    double gamma;                // γ, the ratio of specific heats
    double halfGammaMinusOne;    // (γ−1)/2
    double gammaMinusOne;        // γ−1
    double gammaPlusOne;         // γ+1
    double pressureRise;         // 2γ/(γ+1), the slope of p2/p1 in Mn1²
    double inverseGammaMinusOne; // 1/(γ−1), the exponent of the isentropic pressure–density law
};

// The window's gas, γ = 1.4, with the numbers the formulas have always been written with.
inline constexpr PerfectGas Air{1.4, 0.2, 0.4, 2.4, 7.0 / 6.0, 2.5};

// The gas of ratio γ, 1 < γ ≤ 3, its numbers computed from γ; for γ = 1.4 exactly, Air, so that
// a γ of 1.4 given as a number computes what the window computes. Throws std::domain_error for a
// γ outside that range.
PerfectGas PerfectGasOf(double gamma);
