// Feeds arbitrary box texts and reachable option states through ParseNumber and a whole click
// on the recording main window. The input is decoded by DecodeClickInput (tests/support), which
// documents the byte layout: an options byte, then Text_M1|Text_Teta|Text_Beta.
//
// Every click must end with an outcome whose messages and drawing fit its kind, and nothing
// written, drawn or shown may be non-finite. A solved wave angle must lie between the Mach
// angle and 90° and satisfy the θ–β–M relation; a solved deflection or Mach number, typed back
// into a fresh β request, must give back the wave angle it was computed from.

#include "calc/RequestCalculation.h"
#include "form/ParseNumber.h"
#include "physics/ArithmeticFault.h"
#include "reactions/Command1Click.h"
#include "support/ClickInput.h"
#include "support/RecordingForm.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

bool ShowsNonFinite(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

const std::string NotConverged = " iterasyon 1000 adımda yakınsamadı";

// The reference values below are computed in extended precision, from formulas of their own,
// so that they do not share the program's rounding.
using Real = long double;
constexpr Real PiL = 3.141592653589793238462643383279502884L;
constexpr Real Radian = PiL / 180.0L; // one degree in radians
constexpr Real Eps = std::numeric_limits<double>::epsilon();
constexpr Real Gamma = 1.4L;

// tan θ from the θ–β–M relation, β in radians:
// tan θ = 2 cot β (M1² sin²β − 1) / (M1² (γ + cos 2β) + 2).
Real TanDeflection(Real M, Real beta)
{
    const Real sinBeta = std::sin(beta);
    return 2.0L * std::cos(beta) / sinBeta * (M * M * sinBeta * sinBeta - 1.0L) /
           (M * M * (Gamma + std::cos(2.0L * beta)) + 2.0L);
}

// ∂(tan θ)/∂β of the relation above.
Real TanDeflectionPerBeta(Real M, Real beta)
{
    const Real s = std::sin(beta);
    const Real A = M * M * s * s - 1.0L;
    const Real B = M * M * (Gamma + std::cos(2.0L * beta)) + 2.0L;
    const Real dA = M * M * std::sin(2.0L * beta);
    const Real dB = -2.0L * M * M * std::sin(2.0L * beta);
    return 2.0L * (-A / (s * s * B) + std::cos(beta) / s * (dA * B - A * dB) / (B * B));
}

// ∂(tan θ)/∂M1 of the relation above.
Real TanDeflectionPerMach(Real M, Real beta)
{
    const Real s = std::sin(beta);
    const Real A = M * M * s * s - 1.0L;
    const Real B = M * M * (Gamma + std::cos(2.0L * beta)) + 2.0L;
    return 2.0L * std::cos(beta) / s *
           (2.0L * M * s * s * B - A * 2.0L * M * (Gamma + std::cos(2.0L * beta))) / (B * B);
}

// The Mach angle in degrees, as asin(1 / M1) written through (M1 − 1)(M1 + 1), which keeps
// its accuracy next to M1 = 1.
Real MachAngleDegrees(Real M)
{
    return std::atan2(1.0L, std::sqrt((M - 1.0L) * (M + 1.0L))) / Radian;
}

// The wave angle of the maximum deflection, in radians:
// sin²β = ((γ+1)/4 M² − 1 + √((γ+1)(1 + (γ−1)/2 M² + (γ+1)/16 M⁴))) / (γ M²).
Real MaxDeflectionWaveAngle(Real M)
{
    const Real M2 = M * M;
    const Real root = std::sqrt(
        (Gamma + 1.0L) * (1.0L + (Gamma - 1.0L) / 2.0L * M2 + (Gamma + 1.0L) / 16.0L * M2 * M2));
    const Real sin2 = ((Gamma + 1.0L) / 4.0L * M2 - 1.0L + root) / (Gamma * M2);
    return std::asin(std::sqrt(std::min(sin2, 1.0L)));
}

// The shortest text that reads back as exactly this value.
std::string Typed(double value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

// A solved wave angle lies between the Mach angle and the normal shock, and with the given
// M1 it gives back the given deflection through the θ–β–M relation.
void CheckSolvedWaveAngle(const ClickInput& input, const RequestOutcome& outcome)
{
    const Real M = outcome.M1;
    const Real beta = outcome.Beta;

    // The program's Mach angle rounds 1/M1 and then 1 − 1/M1², which cancels next to M1 = 1:
    // its error grows as M1/√(M1² − 1). On top of that the weak branch accepts a wave angle up
    // to 1e-9° below its start on the Mach angle, where rounding alone moves the first step for
    // θ = 0. The normal shock comes from radians through the degree factor, rounded once more,
    // so 90° may be passed by a few units in the last place.
    const Real mach = MachAngleDegrees(M);
    const Real machSlack = 1e-9L + 8.0L * Eps * M / std::sqrt((M - 1.0L) * (M + 1.0L)) / Radian;
    Require(beta >= mach - machSlack);
    Require(beta <= 90.0L + 4.0L * 90.0L * Eps);

    // The relation to 1e-9 in tan θ, beyond what the last Newton step cannot remove. A Newton
    // step solves the relation's tangent at the wave angle before it; the residual it leaves is
    // the relation's departure from that tangent over the step, at most half the largest
    // |∂²(tan θ)/∂β²| over the step times the step squared. The iteration stops after a step
    // below 1e-4°, which started within that distance of β (and not below the Mach angle on the
    // weak branch). After quadratic convergence this allowance is negligible; where the
    // relation bends sharply (a large M1 with a small θ puts the weak root a hair above a tiny
    // Mach angle) the first step from the Mach angle is already below 1e-4° and ends the
    // iteration with a residual far above 1e-9, while β is still right to its 1e-4°.
    constexpr Real LastStep = 1e-4L;
    const bool weak = input.branch == OptionButton::Option_Weak;
    // The window stops at half the Mach angle, short of the relation's pole at β = 0: the weak
    // branch starts on the Mach angle and rises, the strong one comes down from 90° to a root
    // beyond the maximum deflection. The bend grows as 1/β³ next to a tiny Mach angle, so the
    // samples are spaced geometrically.
    const Real from =
        std::max({beta - LastStep, weak ? mach - machSlack : 0.0L, mach / 2.0L}) * Radian;
    const Real to = std::min(beta + LastStep, 90.0L) * Radian;
    Real bend = 0.0L;
    constexpr int Samples = 32;
    for (int i = 0; i <= Samples; ++i) {
        const Real at = from * std::pow(to / from, Real(i) / Samples);
        const Real h = std::min(1e-3L * at, 1e-7L);
        bend = std::max(
            bend, std::fabs(TanDeflectionPerBeta(M, at + h) - TanDeflectionPerBeta(M, at - h)) /
                      (2.0L * h));
    }
    // Half the bend times the step squared, doubled for what falls between the samples.
    const Real step = LastStep * Radian;
    const Real allowance = bend * step * step;
    const Real residual = TanDeflection(M, beta * Radian) - std::tan(outcome.Teta * Radian);
    Require(std::fabs(residual) <= 1e-9L + allowance);
}

// Types a solved triple's M1 and θ, unrounded, into a fresh β request and checks that it gives
// back the triple's β. `closedFormM1` says whether M1 was the computed value (the M1 mode) or
// θ was (the θ mode); it decides which rounding the tolerance has to cover.
void CheckFedBack(double M1, double Beta, double Teta, bool closedFormM1)
{
    // M1 next to 1 (β next to 90° with θ next to 0 in the M1 mode) may come out at or below 1,
    // which the β request refuses; the relation is degenerate there.
    if (M1 <= 1.0)
        return;
    // A negative deflection comes only from rounding next to the Mach angle (θ mode), where the
    // exact θ is 0: the program's Mach angle and the cancelling M1² sin²β − 1 are both off by a
    // few units of rounding, magnified next to M1 = 1 as M1/√(M1² − 1). The β request refuses
    // a negative θ.
    if (Teta < 0.0) {
        Require(!closedFormM1);
        const Real M = M1;
        Require(Beta - MachAngleDegrees(M) <=
                1e-9L + 64.0L * Eps * M / std::sqrt((M - 1.0L) * (M + 1.0L)) / Radian);
        return;
    }

    // A θ below the normal double range may read as 0 from a box, which asks for another wave
    // angle (the Mach angle).
    if (Teta != 0.0 && Teta < std::numeric_limits<double>::min())
        return;
    const std::string textM1 = Typed(M1);
    const std::string textTeta = Typed(Teta);
    Require(ParseNumber(textM1) == M1 && ParseNumber(textTeta) == Teta);

    const Real M = M1;
    const Real beta = Real(Beta) * Radian;
    const Real theta = Real(Teta) * Radian;
    const Real tanTheta = std::tan(theta);
    const Real sinBeta = std::sin(beta);
    const Real cotBeta = std::cos(beta) / sinBeta;
    const Real B = M * M * (Gamma + std::cos(2.0L * beta)) + 2.0L;

    // The error the rounding of both requests can put into tan θ. Evaluating the relation
    // cancels terms of the size `scale`; the angles pass through radians and degrees; the
    // M1 mode adds the error of its closed form for M1², whose numerator 1 + tan θ tan β and
    // denominator sin²β − tan θ tan β (γ + cos 2β) / 2 cancel, through tan θ and tan β that
    // are ill-conditioned next to 90°.
    const Real perBeta = std::fabs(TanDeflectionPerBeta(M, beta));
    const Real scale =
        2.0L * std::fabs(cotBeta) * (M * M * sinBeta * sinBeta + 1.0L) / B + tanTheta;
    Real error =
        16.0L * Eps * (scale + perBeta * std::fabs(beta) + (1.0L + tanTheta * tanTheta) * theta);
    if (closedFormM1) {
        const Real k = tanTheta * std::tan(beta);
        const Real num = 1.0L + k;
        const Real den = sinBeta * sinBeta - k * (Gamma + std::cos(2.0L * beta)) / 2.0L;
        const Real tangents = 1.0L + std::fabs(beta / (sinBeta * std::cos(beta))) +
                              std::fabs(theta / (std::sin(theta) * std::cos(theta)));
        const Real relativeM2 =
            8.0L * Eps * tangents *
            ((1.0L + std::fabs(k)) / std::fabs(num) +
             (sinBeta * sinBeta +
              std::fabs(k) * (Gamma + std::fabs(std::cos(2.0L * beta))) / 2.0L) /
                 std::fabs(den));
        error += std::fabs(TanDeflectionPerMach(M, beta)) * relativeM2 / 2.0L * M;
    }

    // The wave angle that error moves the root by: first order where the relation is steep;
    // next to the maximum deflection, where it is flat, the second-order term (from the change
    // of the slope) takes over and there the root may vanish altogether.
    const Real h = 1e-6L * std::min(beta, PiL / 2.0L - beta + 1e-3L);
    const Real curvature =
        std::fabs(TanDeflectionPerBeta(M, beta + h) - TanDeflectionPerBeta(M, beta - h)) /
        (2.0L * h);
    Real spread = error / perBeta;
    if (curvature > 0.0L)
        spread += std::sqrt(2.0L * error / curvature);
    // The iteration stops once a step is below 1e-4°; where it converges only linearly (next
    // to the maximum deflection) the remaining error is about that last step. The result is
    // also converted from radians to degrees.
    const Real tolerance = spread / Radian + 1e-4L + 8.0L * 90.0L * Eps;

    const Real betaMax = MaxDeflectionWaveAngle(M);
    const Real toMax = std::fabs(beta - betaMax) / Radian;
    const bool nearMax = toMax <= tolerance;
    // Next to 90° (strong) or the Mach angle (weak) the rounding can step over the bound the
    // iteration checks and report a detached shock.
    const bool nearBound =
        90.0L - Real(Beta) <= tolerance || Real(Beta) - MachAngleDegrees(M) <= tolerance;

    RecordingForm form;
    form.Choose(OptionButton::Option_Beta);
    form.Choose(beta < betaMax ? OptionButton::Option_Weak : OptionButton::Option_Strong);
    form.Type(TextBox::Text_M1, textM1);
    form.Type(TextBox::Text_Teta, textTeta);
    FormState state;
    const RequestOutcome again = RequestCalculation(form, state);

    switch (again.kind) {
    case OutcomeKind::Solved:
        // Next to the maximum deflection the twin root on the other branch is as close as the
        // root itself.
        Require(std::fabs(Real(again.Beta) - Real(Beta)) <= (nearMax ? 3.0L : 1.0L) * tolerance);
        break;
    case OutcomeKind::NoAttachedSolution:
        Require(nearMax || nearBound);
        break;
    case OutcomeKind::CalculationFailed:
        // The iteration multiplies terms of the size of M1² with each other, which leaves the
        // double range from M1 ≈ 1e69 on (1e77 away from 90°); an overflow is the right answer
        // there. Below that nothing in the iteration may fail.
        Require(M1 > 1e60);
        break;
    case OutcomeKind::NoOutputChosen:
    case OutcomeKind::Rejected:
        Require(false);
        break;
    }
}

bool WrittenBeforeDrawing(const RecordingForm& form, const std::string& prefix)
{
    const std::size_t firstCall = form.surface.calls.front().afterEvents;
    for (std::size_t i = 0; i < firstCall && i < form.events.size(); ++i) {
        if (form.events[i].starts_with(prefix))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ClickInput input = DecodeClickInput(data, size);

    for (const std::string* text : {&input.M1, &input.Teta, &input.Beta}) {
        try {
            Require(std::isfinite(ParseNumber(*text)));
        } catch (const ArithmeticFault&) {
        }
    }

    RecordingForm form;
    Fill(form, input);
    FormState state;
    const RequestOutcome outcome = Command1_Click(form, state);
    const auto& calls = form.surface.calls;
    const auto& messages = form.messages;

    Require((outcome.kind == OutcomeKind::NoOutputChosen) == !input.output);
    switch (outcome.kind) {
    case OutcomeKind::Solved:
        Require(std::isfinite(outcome.M1) && std::isfinite(outcome.Beta) &&
                std::isfinite(outcome.Teta));
        // A mark beyond single precision stops the click with an overflow instead.
        Require(std::isfinite(static_cast<float>(outcome.Beta)) &&
                std::isfinite(static_cast<float>(outcome.Teta)));
        Require(!calls.empty() && calls.front().operation == "Clear" && messages.empty());
        // Every solution is a shock: its normal Mach number is at least 1, up to rounding. The
        // sine is taken as the program takes it, in double precision: for a β far beyond a turn
        // another rounding of the angle gives quite another sine.
        Require(outcome.M1 * std::sin(state.DegToRad * outcome.Beta) >= 1.0 - 1e-9);
        break;
    case OutcomeKind::NoAttachedSolution:
        Require(input.output == OptionButton::Option_Beta);
        Require(std::isfinite(outcome.M1) && std::isfinite(outcome.Teta));
        Require(!calls.empty() && calls.front().operation == "Clear");
        Require(messages == std::vector<std::string>{"Teta > TetaMax"} ||
                messages == std::vector<std::string>{NotConverged, "Teta > TetaMax"});
        break;
    case OutcomeKind::NoOutputChosen:
        Require(calls.empty() && messages == std::vector<std::string>{"Choose an output option"});
        break;
    case OutcomeKind::Rejected:
        Require(calls.empty() && messages.size() == 1);
        break;
    case OutcomeKind::CalculationFailed:
        Require(messages.size() == 1);
        if (!calls.empty()) {
            // A fault at the drawing step: the request solved and wrote its result, the chart
            // was begun, and the overflow report comes after the last drawing. Only the M1
            // mode can solve a value beyond single precision: its β is unbounded below.
            Require(messages.front() == "Arithmetic overflow");
            Require(input.output == OptionButton::Option_M1);
            Require(calls.front().operation == "Clear");
            Require(WrittenBeforeDrawing(form, "Text_M1 <- "));
            Require(form.events.back() == "message: Arithmetic overflow");
        }
        break;
    }
    for (const std::string& event : form.events)
        Require(!ShowsNonFinite(event.substr(event.find(' '))));
    for (const SurfaceCall& call : calls) {
        for (float arg : call.args)
            Require(std::isfinite(arg));
    }

    if (outcome.kind == OutcomeKind::Solved) {
        if (input.output == OptionButton::Option_Beta)
            CheckSolvedWaveAngle(input, outcome);
        else if (input.output == OptionButton::Option_Teta)
            CheckFedBack(outcome.M1, outcome.Beta, outcome.Teta, false);
        // A negative β solves the relation only formally: the relation repeats every 180° and
        // changes sign with β, and no β request returns a wave angle outside the Mach angle
        // to 90°.
        else if (outcome.Beta > 0.0)
            CheckFedBack(outcome.M1, outcome.Beta, outcome.Teta, true);
    }
    return 0;
}
