#pragma once

#include "physics/PerfectGas.h"

#include <cmath>

// The values that live as long as the main window and are shared by the calculation and the
// chart. Constructing it is the load step's part of the form state: Pi is computed, not written
// as a literal, and Teta reads as 0 until the first request sets it.
//
// The gas is the window's, Air, whose γ the closed forms take as Gamma and the other formulas
// as the numbers Air holds; UseGas makes both another gas's.
struct FormState {
    double Pi = 4.0 * std::atan(1.0);
    double DegToRad = Pi / 180.0;
    double Gamma = 1.4;
    PerfectGas gas = Air;
    // Set by the wave-angle iteration when it finds no attached solution.
    bool TetaMaxExceeded = false;
    // Deflection angle of the current request, in degrees.
    double Teta = 0.0;
};

// Computes with `gas` from now on: the closed forms with its γ as Gamma, the rest with its numbers.
inline void UseGas(FormState& state, const PerfectGas& gas)
{
    state.gas = gas;
    state.Gamma = gas.gamma;
}
