#include "calc/RequestCalculation.h"

#include "calc/WaveAngleIteration.h"
#include "form/ParseNumber.h"
#include "form/ShowRounded.h"
#include "physics/ArithmeticFault.h"
#include "physics/CheckedMath.h"
#include "physics/ObliqueShock.h"

#include <cmath>

using namespace checked;

namespace {

constexpr double NormalMachTolerance = 1e-9;

// The request is refused before any calculation: its message says what to change.
RequestOutcome Refused(ControlModel& form, const std::string& message,
                       OutcomeKind kind = OutcomeKind::Rejected)
{
    form.ShowMessage(message);
    RequestOutcome outcome;
    outcome.kind = kind;
    return outcome;
}

// An arithmetic fault abandoned the calculation: its report is shown.
RequestOutcome CalculationFailure(ControlModel& form, const ArithmeticFault& fault)
{
    form.ShowMessage(fault.what());
    RequestOutcome outcome;
    outcome.kind = OutcomeKind::CalculationFailed;
    return outcome;
}

RequestOutcome Solved(double M1, double Beta, double Teta)
{
    return {OutcomeKind::Solved, M1, Beta, Teta, {}};
}

double Input(const ControlModel& form, TextBox box)
{
    return ParseNumber(form.Text(box), form.DecimalSeparator());
}

RequestOutcome BetaOutput(ControlModel& form, FormState& state)
{
    const double M1 = Input(form, TextBox::Text_M1);
    state.Teta = Input(form, TextBox::Text_Teta);
    if (M1 <= 1.0)
        return Refused(form, "M1 must be greater than 1");
    if (state.Teta < 0.0 || state.Teta >= 90.0)
        return Refused(form, "Teta must be between 0 and 90 degrees");

    const double TetaR = state.DegToRad * state.Teta;
    double BetaR = 0.0;
    Beta_için_iterasyon(form, state, M1, BetaR, TetaR);
    if (state.TetaMaxExceeded) {
        form.SetText(TextBox::Text_Beta, "");
        return {OutcomeKind::NoAttachedSolution, M1, 0.0, state.Teta, "Teta > TetaMax"};
    }
    form.SetVisible(Element::Frame3, false);
    const double Beta = BetaR / state.DegToRad;
    ShowRounded(form, TextBox::Text_Beta, Beta, 4);
    return Solved(M1, Beta, state.Teta);
}

RequestOutcome TetaOutput(ControlModel& form, FormState& state)
{
    const double M1 = Input(form, TextBox::Text_M1);
    const double Beta = Input(form, TextBox::Text_Beta);
    if (M1 <= 1.0)
        return Refused(form, "M1 must be greater then 1");

    const double mu = MachAngle(M1) * 180.0 / state.Pi;
    if (Beta < mu || Beta > 90.0) {
        return Refused(form, "Beta must be between " +
                                 FormatRounded(mu, 3, form.DecimalSeparator()) + " and 90 degrees");
    }

    const double BetaR = state.DegToRad * Beta;
    const double TetaR = Deflection(M1, BetaR, state.Gamma);

    state.Teta = TetaR / state.DegToRad;
    ShowRounded(form, TextBox::Text_Teta, state.Teta, 4);
    return Solved(M1, Beta, state.Teta);
}

RequestOutcome MachOutput(ControlModel& form, FormState& state)
{
    state.Teta = Input(form, TextBox::Text_Teta);
    const double Beta = Input(form, TextBox::Text_Beta);
    if (state.Teta <= 0.0 || state.Teta >= 90.0)
        return Refused(form, "Teta must be greater then 0 and less then 90 degrees");
    if (Beta > 90.0)
        return Refused(form, "Beta must be equal or less then 90 degrees");

    const double TetaR = state.DegToRad * state.Teta;
    const double BetaR = state.DegToRad * Beta;
    const auto [num, den] = MachSquared(TetaR, BetaR, state.Gamma);

    if (den <= 0.0) {
        const double limit = LimitDeflection(BetaR, state.Gamma) * 180.0 / state.Pi;
        return Refused(form, "Teta must be less then " +
                                 FormatRounded(limit, 3, form.DecimalSeparator()) +
                                 " degrees for given Beta");
    }
    // A negative β can make num negative: no real Mach number exists then.
    if (num < 0.0)
        return Refused(form, "No M1 gives this Teta at this Beta");

    const double M1 = SquareRoot(Quotient(num, den));
    // A shock needs a supersonic normal component, M1 sin β ≥ 1. The relation holds in sin²β,
    // tan β and cos 2β alone, so a β that is no wave angle of a shock (β ≤ 0, say) can give an
    // M1 whose normal component is below 1 or negative. The tolerance keeps every true shock,
    // down to the Mach wave itself, whose normal component is 1 up to rounding.
    if (M1 * std::sin(BetaR) < 1.0 - NormalMachTolerance)
        return Refused(form, "No M1 gives this Teta at this Beta");
    ShowRounded(form, TextBox::Text_M1, M1, 4);
    return Solved(M1, Beta, state.Teta);
}

} // namespace

RequestOutcome RequestCalculation(ControlModel& form, FormState& state)
{
    try {
        if (form.IsSelected(OptionButton::Option_Beta))
            return BetaOutput(form, state);
        if (form.IsSelected(OptionButton::Option_Teta))
            return TetaOutput(form, state);
        if (form.IsSelected(OptionButton::Option_M1))
            return MachOutput(form, state);
        return Refused(form, "Choose an output option", OutcomeKind::NoOutputChosen);
    } catch (const ArithmeticFault& fault) {
        return CalculationFailure(form, fault);
    }
}
