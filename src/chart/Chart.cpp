#include "chart/Chart.h"

#include "form/ChartSurface.h"
#include "physics/ArithmeticFault.h"
#include "physics/ObliqueShock.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <limits>
#include <optional>
#include <vector>

namespace {

// The surface takes single-precision coordinates. A value that has no single-precision
// counterpart (a β of −3e78 typed in the M1 mode, say) is an overflow: it stops the click at
// the drawing step that needs it, like any other arithmetic fault.
float Narrow(double value)
{
    if (!(std::fabs(value) <= std::numeric_limits<float>::max()))
        throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    return static_cast<float>(value);
}

// The points of the curves for M = 1.1 … 3.0, which do not depend on the request: for each
// curve its Mach angle on the β axis, then the 21 samples up to the normal shock. A step without
// a result ends the list, and drawing the curves stops there with that fault.
struct CurvePoints {
    static constexpr int PointsPerCurve = 22;

    std::vector<std::array<float, 2>> points;
    std::exception_ptr fault;

    explicit CurvePoints(const FormState& state)
    {
        points.reserve(20 * PointsPerCurve);
        try {
            for (int k = 11; k <= 30; ++k)
                AppendCurvePoints(k / 10.0, state, points);
        } catch (const ArithmeticFault&) {
            fault = std::current_exception();
        }
    }
};

// What the points depend on.
bool SameCurves(const FormState& a, const FormState& b)
{
    return a.Pi == b.Pi && a.DegToRad == b.DegToRad && a.gas.gamma == b.gas.gamma;
}

// The points for the form state every window starts with are computed once; those of a few other
// states (the gases of a batch from the shell) are kept, the one computed longest ago giving way.
const CurvePoints& PointsFor(const FormState& state)
{
    static const FormState initial;
    static const CurvePoints initialPoints(initial);
    if (SameCurves(state, initial))
        return initialPoints;
    struct Kept {
        FormState state;
        std::optional<CurvePoints> points;
    };
    thread_local std::array<Kept, 4> kept;
    thread_local std::size_t next = 0;
    for (const Kept& k : kept) {
        if (k.points && SameCurves(state, k.state))
            return *k.points;
    }
    Kept& replaced = kept[next];
    next = (next + 1) % kept.size();
    replaced.state = state;
    return replaced.points.emplace(state);
}

} // namespace

void AppendCurvePoints(double M, const FormState& state, std::vector<std::array<float, 2>>& points)
{
    constexpr int Samples = 20;
    const double mu = MachAngleBySquareRoot(M);
    const double step = (state.Pi / 2.0 - mu) / Samples;
    points.push_back({Narrow(mu / state.DegToRad), 0});
    for (int i = 0; i <= Samples; ++i) {
        // The last sample is the normal shock, exactly at 90°.
        const double beta = i == Samples ? state.Pi / 2.0 : mu + i * step;
        const float x = Narrow(beta / state.DegToRad);
        points.push_back({x, Narrow(-Deflection(M, beta, state.gas.gamma) / state.DegToRad)});
    }
}

void grafik(ControlModel& form, const FormState& state, double M1)
{
    form.SetVisible(Element::Label_Beta, true);
    form.SetVisible(Element::Label_Teta, true);

    ChartSurface& surface = form.Picture1();
    surface.Clear();
    surface.SetScale(chart::Left, chart::Top, chart::Right, chart::Bottom);
    surface.DrawLine(0, 0, 0, -34, std::nullopt);
    surface.DrawLine(0, 0, 95, 0, std::nullopt);

    const CurvePoints& curves = PointsFor(state);
    // Curve by curve: its colour, then its first point, then a line to each of the others.
    const std::size_t count = curves.points.size();
    for (std::size_t first = 0; first < count; first += CurvePoints::PointsPerCurve) {
        const double M = static_cast<double>(11 + first / CurvePoints::PointsPerCurve) / 10.0;
        const Rgb colour = std::fabs(M - M1) < 0.1 ? chart::Red : chart::Blue;
        const std::size_t end = std::min(count, first + CurvePoints::PointsPerCurve);
        surface.SetPoint(curves.points[first][0], curves.points[first][1], std::nullopt);
        for (std::size_t n = first + 1; n < end; ++n)
            surface.DrawLineTo(curves.points[n][0], curves.points[n][1], colour);
    }
    if (curves.fault)
        std::rethrow_exception(curves.fault);
}

void MarkSolution(ControlModel& form, double Beta, double Teta)
{
    ChartSurface& surface = form.Picture1();
    surface.DrawCircle(Narrow(Beta), Narrow(-Teta), 0.5f, chart::Red);
    surface.DrawLine(Narrow(Beta), Narrow(-Teta), Narrow(Beta), 0, chart::Red);
    surface.DrawLine(Narrow(Beta), Narrow(-Teta), 0, Narrow(-Teta), chart::Red);
}

void MarkNoSolution(ControlModel& form, double Teta)
{
    form.Picture1().DrawLine(0, Narrow(-Teta), 95, Narrow(-Teta), chart::Red);
}
