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
// How far below the Mach angle a wave angle may come by rounding alone. The weak branch starts on
// the Mach angle, which is the root itself for zero deflection; the first step then moves β by
// rounding only, possibly to a few units in the last place below it. Such a step is still the
// Mach wave, not a detached shock.
constexpr double MachAngleRounding = 1e-9;

} // namespace

void Beta_için_iterasyon(ControlModel& form, FormState& state, double M1, double& BetaR,
                         double TetaR)
{
    state.TetaMaxExceeded = false;
    const double t = Finite(std::tan(state.DegToRad * state.Teta));

    // Every shock lies at or above the Mach angle. The weak branch starts there and takes it as
    // the lower bound of its range; the strong branch starts at 90° and its range reaches down to
    // 0°. With neither option selected the weak branch is taken, as at start-up.
    const double mu = MachAngle(M1);
    const double machBound = mu * 180.0 / state.Pi - MachAngleRounding;
    double lowerBound = 0.0;
    if (form.IsSelected(OptionButton::Option_Weak) ||
        !form.IsSelected(OptionButton::Option_Strong)) {
        lowerBound = machBound;
        BetaR = mu;
    } else {
        BetaR = state.Pi / 2.0;
    }

    double betaNew = BetaR / state.DegToRad;
    for (int k = 1; k <= MaxSteps; ++k) {
        const double betaOld = betaNew;
        BetaR = NewtonStep(M1, BetaR, t, state.gas);
        betaNew = BetaR / state.DegToRad;

        if (betaNew < lowerBound || betaNew > 90.0) {
            state.TetaMaxExceeded = true;
            return;
        }
        if (std::fabs(betaNew - betaOld) < ConvergedDegrees) {
            // For an M1 within a hair of 1, where both branches meet near 90°, the strong
            // branch's steps can settle just below the Mach angle: no attached shock there.
            if (betaNew < machBound) {
                state.TetaMaxExceeded = true;
                return;
            }
            ShowRounded(form, TextBox::Text_Beta, betaNew, 4);
            Şok_Gerisi_Akım_Özellikleri(form, M1, BetaR, TetaR, state.gas);
            return;
        }
    }

    form.ShowMessage(" iterasyon " + std::to_string(MaxSteps) + " adımda yakınsamadı");
    state.TetaMaxExceeded = true;
}
