#include "reactions/ShockDetails.h"

#include "form/FormState.h"
#include "form/ShowRounded.h"
#include "physics/ArithmeticFault.h"
#include "physics/ObliqueShock.h"
#include "physics/ShockBranches.h"
#include "physics/ShockLimits.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr int AnglePlaces = 4;
constexpr int MachPlaces = 4;
constexpr int RatioPlaces = 5;

// Each group of values is computed on its own: a group without a finite result stays empty and
// leaves the others as they are.
template <typename Compute>
void Group(Compute compute)
{
    try {
        compute();
    } catch (const ArithmeticFault&) {
    } catch (const std::domain_error&) {
    }
}

} // namespace

std::string_view ShockValueName(ShockValue value)
{
    switch (value) {
    case ShockValue::Mn1:
        return "Mn1";
    case ShockValue::Mn2:
        return "Mn2";
    case ShockValue::M2:
        return "M2";
    case ShockValue::p2p1:
        return "p2/p1";
    case ShockValue::rho2rho1:
        return "ρ2/ρ1";
    case ShockValue::T2T1:
        return "T2/T1";
    case ShockValue::p02p01:
        return "p02/p01";
    case ShockValue::TetaMax:
        return "θmax";
    case ShockValue::BetaAtTetaMax:
        return "β at θmax";
    case ShockValue::BetaSonic:
        return "β sonic";
    case ShockValue::TetaSonic:
        return "θ sonic";
    case ShockValue::Branch:
        return "branch";
    case ShockValue::OtherBranch:
        return "other β";
    case ShockValue::LeastAttaching:
        return "least M1";
    }
    return "";
}

bool ShockDetails::Empty() const
{
    return std::all_of(texts.begin(), texts.end(),
                       [](const std::string& text) { return text.empty(); });
}

ShockDetails ShockDetailsOf(const RequestOutcome& outcome, const PerfectGas& gas,
                            const std::string& decimalSeparator)
{
    ShockDetails details;
    const auto set = [&](ShockValue value, std::string text) {
        details.texts[static_cast<std::size_t>(value)] = std::move(text);
    };
    const auto number = [&](ShockValue value, double x, int places) {
        set(value, FormatRounded(x, places, decimalSeparator));
    };
    const FormState state;
    const auto degrees = [&](double radians) {
        return radians / state.DegToRad;
    };
    const double M1 = outcome.M1;
    const double TetaR = state.DegToRad * outcome.Teta;

    if (outcome.kind == OutcomeKind::NoAttachedSolution) {
        Group(
            [&] { number(ShockValue::TetaMax, degrees(Detachment(M1, gas).TetaR), AnglePlaces); });
        Group([&] {
            const auto least = LeastAttachingMach(TetaR, gas);
            if (least)
                number(ShockValue::LeastAttaching, *least, MachPlaces);
            else
                set(ShockValue::LeastAttaching, "none");
        });
        return details;
    }
    if (outcome.kind != OutcomeKind::Solved)
        return details;

    const double BetaR = state.DegToRad * outcome.Beta;
    Group([&] {
        const FlowBehindShock flow = FlowBehind(M1, BetaR, TetaR, gas);
        const std::pair<ShockValue, double> values[] = {{ShockValue::Mn1, flow.Mn1},
                                                        {ShockValue::Mn2, flow.Mn2},
                                                        {ShockValue::M2, flow.M2},
                                                        {ShockValue::p2p1, flow.p2p1},
                                                        {ShockValue::rho2rho1, flow.rho2rho1},
                                                        {ShockValue::T2T1, flow.T2T1},
                                                        {ShockValue::p02p01, flow.p02p01}};
        for (const auto& [value, x] : values)
            number(value, x, RatioPlaces);
    });
    Group([&] {
        const ShockPoint detachment = Detachment(M1, gas);
        number(ShockValue::TetaMax, degrees(detachment.TetaR), AnglePlaces);
        number(ShockValue::BetaAtTetaMax, degrees(detachment.BetaR), AnglePlaces);
    });
    Group([&] {
        const ShockPoint sonic = SonicPoint(M1, gas);
        number(ShockValue::BetaSonic, degrees(sonic.BetaR), AnglePlaces);
        number(ShockValue::TetaSonic, degrees(sonic.TetaR), AnglePlaces);
    });
    Group([&] {
        const ShockBranch branch = BranchOf(M1, BetaR, gas);
        const double other = OtherBranchWaveAngle(M1, BetaR, TetaR, gas);
        set(ShockValue::Branch, branch == ShockBranch::Weak ? "weak" : "strong");
        number(ShockValue::OtherBranch, degrees(other), AnglePlaces);
    });
    return details;
}

std::string ShockDetailsText(const ShockDetails& details)
{
    std::string text;
    for (ShockValue value : AllShockValues) {
        if (const std::string& shown = details.Text(value); !shown.empty()) {
            text += ShockValueName(value);
            text += '\t';
            text += shown;
            text += '\n';
        }
    }
    return text;
}

std::string ShockRequestText(const std::optional<RequestOutcome>& request,
                             const std::string& decimalSeparator)
{
    const auto angle = [&](double x) {
        return FormatRounded(x, AnglePlaces, decimalSeparator) + "°";
    };
    if (!request)
        return "No request: the chart shows none";
    const std::string inputs = "M1 = " + FormatRounded(request->M1, MachPlaces, decimalSeparator) +
                               ", θ = " + angle(request->Teta);
    switch (request->kind) {
    case OutcomeKind::Solved:
        return inputs + ", β = " + angle(request->Beta);
    case OutcomeKind::NoAttachedSolution:
        return inputs + ": no attached shock";
    case OutcomeKind::CalculationFailed:
        return "The chart's request has no shock to show";
    case OutcomeKind::NoOutputChosen:
    case OutcomeKind::Rejected:
        break;
    }
    return "No request: the chart shows none";
}
