#pragma once

#include "physics/PerfectGas.h"

#include <optional>

// The limits of an attached oblique shock in a perfect gas, the window's unless another is
// given. At an upstream Mach number M1 the deflection θ of the θ–β–M relation rises from 0 at
// the Mach angle to a largest θmax at the detachment point and falls back to 0 at the normal
// shock (β = 90°): a body that turns the flow by more than θmax pushes the shock off itself,
// detached. Just below the detachment point lies the sonic point, where the flow behind the
// shock is at M2 = 1; at steeper shocks it is subsonic. Both points come from the closed forms
// for their sin²β (NACA Report 1135), taken as sin²β and cos²β apart so that neither loses
// digits where M1 is near 1 or very large; θ from the relation written in cot β.
//
// Angles are in radians. An M1 at or below 1 is no shock and throws std::domain_error; a step
// with no finite result throws ArithmeticFault.

// A point of the θ–β curve of one M1.
struct ShockPoint {
    double BetaR; // wave angle
    double TetaR; // deflection at that wave angle
};

// The detachment point of M1: θmax and its wave angle.
ShockPoint Detachment(double M1, const PerfectGas& gas = Air);
// The sonic point of M1: the wave angle and deflection at which M2 = 1.
ShockPoint SonicPoint(double M1, const PerfectGas& gas = Air);

// The largest deflection of an attached shock at any M1, θmax's limit as M1 grows without
// bound: asin(1/γ), 45.58° for γ = 1.4.
double LimitMaxDeflection(const PerfectGas& gas = Air);

// The least M1 at which a shock that deflects the flow by θ is attached: the M1 whose θmax is
// θ; θmax grows with M1, so every M1 above it attaches θ too. 1 for θ ≤ 0 (a Mach wave at any
// M1); none for θ at or above LimitMaxDeflection.
std::optional<double> LeastAttachingMach(double TetaR, const PerfectGas& gas = Air);
