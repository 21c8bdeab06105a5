#include "chart/Chart.h"

#include "form/ChartSurface.h"
#include "physics/ArithmeticFault.h"
#include "physics/ObliqueShock.h"

#include <cmath>
#include <limits>
#include <optional>

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

} // namespace

void grafik(ControlModel& form, const FormState& state, double M1)
{
    form.SetVisible(Element::Label_Beta, true);
    form.SetVisible(Element::Label_Teta, true);

    ChartSurface& surface = form.Picture1();
    surface.Clear();
    surface.SetScale(-10, -35, 100, 5);
    surface.DrawLine(0, 0, 0, -34, std::nullopt);
    surface.DrawLine(0, 0, 95, 0, std::nullopt);

    constexpr int Samples = 20;
    for (int k = 11; k <= 30; ++k) {
        const double M = k / 10.0;
        const double mu = MachAngleBySquareRoot(M);
        const double step = (state.Pi / 2.0 - mu) / Samples;
        const Rgb colour = std::fabs(M - M1) < 0.1 ? chart::Red : chart::Blue;

        surface.SetPoint(Narrow(mu / state.DegToRad), 0, std::nullopt);
        for (int i = 0; i <= Samples; ++i) {
            // The last sample is the normal shock, exactly at 90°.
            const double beta = i == Samples ? state.Pi / 2.0 : mu + i * step;
            surface.DrawLineTo(Narrow(beta / state.DegToRad),
                               Narrow(-Deflection(M, beta, 1.4) / state.DegToRad), colour);
        }
    }
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
