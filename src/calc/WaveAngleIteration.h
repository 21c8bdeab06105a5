#pragma once

#include "form/ControlModel.h"
#include "form/FormState.h"

// Newton's method on the θ–β–M relation for the wave angle of the deflection state.Teta, on the
// branch chosen with Option_Weak / Option_Strong. On convergence writes β to Text_Beta and the
// post-shock boxes; otherwise sets state.TetaMaxExceeded (after its own message when 1000 steps
// did not converge). BetaR is the caller's slot: on return it holds the last iterate in radians.
void Beta_için_iterasyon(ControlModel& form, FormState& state, double M1, double& BetaR,
                         double TetaR);
