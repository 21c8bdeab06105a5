#include "reactions/ChartPoint.h"

#include "chart/Chart.h"
#include "chart/ChartRecord.h"
#include "form/FormState.h"
#include "form/ShowRounded.h"
#include "physics/ArithmeticFault.h"
#include "physics/ObliqueShock.h"
#include "physics/ShockBranches.h"

#include <cmath>
#include <cstdio>

namespace {

// `value` with `places` decimals, trailing zeros kept, in `decimalSeparator`; a value that rounds
// to zero without its sign.
std::string Fixed(double value, int places, const std::string& decimalSeparator)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", places, value);
    std::string fixed = text;
    if (fixed.front() == '-' && fixed.find_first_not_of("-0.") == std::string::npos)
        fixed.erase(0, 1);
    if (const auto point = fixed.find('.'); point != std::string::npos)
        fixed.replace(point, 1, decimalSeparator);
    return fixed;
}

} // namespace

std::optional<ChartPoint> ChartPointAt(const ChartRecord& chart, double x, double y, double width,
                                       double height)
{
    if (chart.Empty())
        return std::nullopt;
    const double userX = chart::Left + x * (double(chart::Right) - chart::Left) / width;
    const double userY = chart::Top + y * (double(chart::Bottom) - chart::Top) / height;
    return ChartPoint{userX, -userY};
}

std::string ChartPointText(ChartPoint point, const PerfectGas& gas,
                           const std::string& decimalSeparator)
{
    const std::string at = "β " + Fixed(point.Beta, 2, decimalSeparator) + "°, θ " +
                           Fixed(point.Teta, 2, decimalSeparator) + "°: ";
    if (!(point.Beta > 0.0 && point.Beta < 90.0))
        return at + "no shock has this β";
    if (!(point.Teta > 0.0))
        return at + "no shock, θ ≤ 0";
    const FormState state;
    const double BetaR = state.DegToRad * point.Beta;
    const std::string beyondEveryM1 = at + "no shock, θ too large for any M1";
    try {
        const auto [num, den] = MachSquared(state.DegToRad * point.Teta, BetaR, gas.gamma);
        // Where den ≤ 0, θ lies at or above the deflection that M1 approaches as it grows
        // without bound.
        const double M1 = std::sqrt(num / den);
        if (!(den > 0.0) || !std::isfinite(M1))
            return beyondEveryM1;
        const std::string mach =
            M1 < 1e15 ? Fixed(M1, 4, decimalSeparator) : FormatRounded(M1, 4, decimalSeparator);
        const bool weak = BranchOf(M1, BetaR, gas) == ShockBranch::Weak;
        return at + "M1 = " + mach + (weak ? ", weak" : ", strong");
    } catch (const ArithmeticFault&) {
        return beyondEveryM1;
    }
}
