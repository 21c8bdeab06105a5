#include "calc/WaveAngleIteration.h"

#include "calc/PostShockFlow.h"
#include "form/ShowRounded.h"
#include "physics/CheckedMath.h"
#include "physics/ObliqueShock.h"

#include <cmath>
#include <string>

using namespace checked;

namespace {

constexpr int MaxSteps = 1000;
constexpr double ConvergedDegrees = 0.0001;
// The weak branch starts on the Mach angle, which is the root itself for zero deflection; the
// first step then moves β by rounding only, possibly to a few units in the last place below
// the bound. Such a step is still the Mach wave, not a detached shock.
constexpr double WeakBoundRounding = 1e-9;

} // namespace

void Beta_için_iterasyon(ControlModel& form, FormState& state, double M1, double& BetaR,
                         double TetaR)
{
    state.TetaMaxExceeded = false;
    const double t = Finite(std::tan(state.DegToRad * state.Teta));

    // Lower bound of the wave angle in degrees: the Mach angle on the weak branch, 0 on the
    // strong one. With neither option selected the weak branch is taken, as at start-up.
    double lowerBound = 0.0;
    const bool weak =
        form.IsSelected(OptionButton::Option_Weak) || !form.IsSelected(OptionButton::Option_Strong);
    if (weak) {
        const double mu = MachAngle(M1);
        lowerBound = mu * 180.0 / state.Pi - WeakBoundRounding;
        BetaR = mu;
    } else {
        BetaR = state.Pi / 2.0;
    }

    double betaNew = BetaR / state.DegToRad;
    for (int k = 1; k <= MaxSteps; ++k) {
        const double betaOld = betaNew;
        BetaR = NewtonStep(M1, BetaR, t, state.Gamma);
        betaNew = BetaR / state.DegToRad;

        if (betaNew < lowerBound || betaNew > 90.0) {
            state.TetaMaxExceeded = true;
            return;
        }
        if (std::fabs(betaNew - betaOld) < ConvergedDegrees) {
            // Every shock lies at or above the Mach angle. The strong branch's range reaches down
            // to 0°, and for an M1 within a hair of 1, where both branches meet near 90°, its
            // steps can settle just below the Mach angle: no attached shock there.
            if (!weak && betaNew < MachAngle(M1) * 180.0 / state.Pi - WeakBoundRounding) {
                state.TetaMaxExceeded = true;
                return;
            }
            ShowRounded(form, TextBox::Text_Beta, betaNew, 4);
            Şok_Gerisi_Akım_Özellikleri(form, M1, BetaR, TetaR);
            return;
        }
    }

    form.ShowMessage(" iterasyon " + std::to_string(MaxSteps) + " adımda yakınsamadı");
    state.TetaMaxExceeded = true;
}
