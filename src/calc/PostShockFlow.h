#pragma once

#include "form/ControlModel.h"
#include "physics/PerfectGas.h"

// The flow just behind an attached oblique shock, from the normal-shock relations of a perfect
// gas, the window's unless another is given, applied to the velocity component normal to the
// shock. Writes Mn1, Mn2, M2, p2/p1 and T2/T1 with 5 places, after all of them have been computed.
void Şok_Gerisi_Akım_Özellikleri(ControlModel& form, double M1, double BetaR, double TetaR,
                                 const PerfectGas& gas = Air);
