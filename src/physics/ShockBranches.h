#pragma once

#include "physics/PerfectGas.h"

// The two branches of the θ–β–M relation: for a deflection below θmax an attached shock has two
// wave angles, the weak one between the Mach angle and the detachment wave angle β*, which
// nature mostly chooses, and the strong one between β* and the normal shock at 90°. Angles are
// in radians. An M1 at or below 1 is no shock and throws std::domain_error; a step with no
// finite result throws ArithmeticFault.

enum class ShockBranch {
    Weak,   // β below β*
    Strong, // β at β* or above: the detachment point itself counts as strong
};

ShockBranch BranchOf(double M1, double BetaR, const PerfectGas& gas = Air);

// The wave angle on the other branch than β's that deflects a flow at M1 by the same θ: β gives
// only the side, θ the deflection, found to full double precision in the bracket of that branch.
// θ is taken within [0, θmax], where a solved request's rounding can leave it a hair outside:
// at θ ≤ 0 the other branch of a weak β is the normal shock, 90°, and of a strong β the Mach
// angle; at θ ≥ θmax both branches meet at β*, which is then the answer.
double OtherBranchWaveAngle(double M1, double BetaR, double TetaR, const PerfectGas& gas = Air);
