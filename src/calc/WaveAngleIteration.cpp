#include "calc/WaveAngleIteration.h"

#include "calc/CheckedMath.h"
#include "calc/PostShockFlow.h"
#include "form/ShowRounded.h"

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
                         double TetaR, std::vector<double>* iterates)
{
    state.TetaMaxExceeded = false;
    const double t = Finite(std::tan(state.DegToRad * state.Teta));

    // Lower bound of the wave angle in degrees: the Mach angle on the weak branch, 0 on the
    // strong one. With neither option selected the weak branch is taken, as at start-up.
    double lowerBound = 0.0;
    if (form.IsSelected(OptionButton::Option_Weak) ||
        !form.IsSelected(OptionButton::Option_Strong)) {
        const double mu = MachAngle(M1);
        lowerBound = mu * 180.0 / state.Pi - WeakBoundRounding;
        BetaR = mu;
    } else {
        BetaR = state.Pi / 2.0;
    }

    const double M1sq = Square(M1);
    double betaNew = BetaR / state.DegToRad;
    for (int k = 1; k <= MaxSteps; ++k) {
        const double betaOld = betaNew;

        const double s = std::sin(BetaR);
        const double s2 = std::sin(2.0 * BetaR);
        const double c2 = std::cos(2.0 * BetaR);
        const double tb = std::tan(BetaR);
        const double N = Finite(2.0 * (Square(M1 * s) - 1.0));
        const double D = Finite((M1sq * (1.4 + c2) + 2.0) * tb);
        const double dN = Finite(2.0 * M1sq * s2);
        const double dD = Finite((Square(tb) + 1.0) * Finite(M1sq * (state.Gamma + c2) + 2.0) -
                                 Finite(Finite(2.0 * M1sq * tb) * s2));
        const double F = Quotient(N, D) - t;
        const double dF = Quotient(Finite(Finite(dN * D) - Finite(N * dD)), Square(D));

        BetaR = Finite(BetaR - Quotient(F, dF));
        betaNew = BetaR / state.DegToRad;
        if (iterates)
            iterates->push_back(betaNew);

        if (betaNew < lowerBound || betaNew > 90.0) {
            state.TetaMaxExceeded = true;
            return;
        }
        if (std::fabs(betaNew - betaOld) < ConvergedDegrees) {
            ShowRounded(form, TextBox::Text_Beta, betaNew, 4);
            Şok_Gerisi_Akım_Özellikleri(form, M1, BetaR, TetaR);
            return;
        }
    }

    form.ShowMessage(" iterasyon " + std::to_string(MaxSteps) + " adımda yakınsamadı");
    state.TetaMaxExceeded = true;
}
