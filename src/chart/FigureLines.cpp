#include "chart/FigureLines.h"

#include "chart/Chart.h"
#include "form/FormState.h"
#include "form/ShowRounded.h"
#include "physics/ArithmeticFault.h"
#include "physics/ObliqueShock.h"
#include "physics/ShockLimits.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Gap = 2;     // between a label and the point it names, in the figure's units
constexpr double Padding = 1; // the least room between two labels

// The M1 at which the loci are sampled: close together near 1, where the points run fast from
// the β axis, then further apart up to 1000.
std::vector<double> LocusMachNumbers()
{
    std::vector<double> numbers;
    for (int i = 1; i <= 100; ++i)
        numbers.push_back(1 + (0.02 * i) * (0.02 * i));
    for (double M = numbers.back() * 1.1; M < 1000; M *= 1.1)
        numbers.push_back(M);
    numbers.push_back(1000);
    return numbers;
}

FigurePoint InDegrees(const ShockPoint& point)
{
    const FormState state;
    return {point.BetaR / state.DegToRad, -point.TetaR / state.DegToRad};
}

FigureLine Locus(FigureLine::Kind kind, ShockPoint (*pointOf)(double, const PerfectGas&),
                 const PerfectGas& gas)
{
    FigureLine line{kind, chart::DarkGrey, {{90, 0}}};
    try {
        for (double M : LocusMachNumbers()) {
            line.points.push_back(InDegrees(pointOf(M, gas)));
            if (line.points.back().y < chart::Top)
                break;
        }
    } catch (const ArithmeticFault&) {
        // The line ends at its last point with a result.
    }
    return line;
}

// The chart's twenty curves are those of k / 10.
bool OneOfTheTwenty(double M1)
{
    for (int k = 11; k <= 30; ++k) {
        if (M1 == k / 10.0)
            return true;
    }
    return false;
}

std::optional<std::vector<FigurePoint>> OwnCurve(const FigureRequest& request)
{
    if (!request.M1 || !std::isfinite(*request.M1) || !(*request.M1 > 1) ||
        OneOfTheTwenty(*request.M1))
        return std::nullopt;
    FormState state;
    UseGas(state, request.gas);
    std::vector<std::array<float, 2>> points;
    try {
        AppendCurvePoints(*request.M1, state, points);
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
    std::vector<FigurePoint> curve;
    for (const auto& [x, y] : points)
        curve.push_back({x, y});
    return curve;
}

// The labels placed so far, and whether another one has room among them.
class Placement {
public:
    Placement(const FigureArea& area, const TextMetrics& metrics) : m_area(area), m_metrics(metrics)
    {
    }

    // Places the label if it lies inside the area and clear of the others.
    bool Place(const FigureLabel& label)
    {
        const LabelBox box = BoxOf(label, m_area, m_metrics);
        if (box.left < 0 || box.top < 0 || box.right > m_area.width || box.bottom > m_area.height)
            return false;
        for (const FigureLabel& other : m_labels) {
            const LabelBox placed = BoxOf(other, m_area, m_metrics);
            if (box.left < placed.right + Padding && placed.left < box.right + Padding &&
                box.top < placed.bottom + Padding && placed.top < box.bottom + Padding)
                return false;
        }
        m_labels.push_back(label);
        return true;
    }

    // A curve's label on the curve of M, from just right of its point `from` on: the text's
    // middle where the curve is halfway along it, so that the curve runs through the label.
    FigureLabel OnCurve(FigureLabel::Kind kind, Rgb colour, double M, const PerfectGas& gas,
                        FigurePoint from, std::string text) const
    {
        const FormState state;
        const double left = m_area.X(from.x) + Gap;
        const double middle = At(left + m_metrics.width(text) / 2, 0).x;
        const double teta = Deflection(M, std::min(middle, 90.0) * state.DegToRad, gas.gamma);
        return {
            kind, colour,
            At(left, m_area.Y(-teta / state.DegToRad) + (m_metrics.ascent - m_metrics.descent) / 2),
            std::move(text)};
    }

    // A line's label beside it, its middle level with the line at the highest point of the line
    // that leaves room for the text below the area's top: to the right of the line or, with
    // `left`, to its left.
    FigureLabel Beside(const FigureLine& line, FigureLabel::Kind kind, std::string text,
                       bool left) const
    {
        // The middle's least distance from the area's top; the line rises from point to point.
        const double top = Gap + (m_metrics.ascent + m_metrics.descent) / 2;
        double x = m_area.X(line.points.back().x);
        double y = m_area.Y(line.points.back().y);
        for (std::size_t i = 1; i < line.points.size(); ++i) {
            const double y1 = m_area.Y(line.points[i].y);
            if (y1 >= top)
                continue;
            const double x0 = m_area.X(line.points[i - 1].x);
            const double y0 = m_area.Y(line.points[i - 1].y);
            const double t = (y0 - top) / (y0 - y1);
            x = x0 + t * (m_area.X(line.points[i].x) - x0);
            y = top;
            break;
        }
        const double width = m_metrics.width(text);
        const double start = left ? x - Gap - 1 - width : x + Gap + 1;
        return {kind, line.colour, At(start, y + (m_metrics.ascent - m_metrics.descent) / 2),
                std::move(text)};
    }

    std::vector<FigureLabel> Labels() && { return std::move(m_labels); }

private:
    // The chart's coordinates of a point of the area.
    FigurePoint At(double x, double y) const
    {
        return {chart::Left + x * (chart::Right - chart::Left) / m_area.width,
                chart::Top + y * (chart::Bottom - chart::Top) / m_area.height};
    }

    const FigureArea& m_area;
    const TextMetrics& m_metrics;
    std::vector<FigureLabel> m_labels;
};

} // namespace

double FigureArea::X(double x) const
{
    return (x - chart::Left) * width / (chart::Right - chart::Left);
}

double FigureArea::Y(double y) const
{
    return (y - chart::Top) * height / (chart::Bottom - chart::Top);
}

std::vector<FigureLine> FigureLines(const FigureRequest& request)
{
    std::vector<FigureLine> lines{Locus(FigureLine::Kind::Detachment, Detachment, request.gas),
                                  Locus(FigureLine::Kind::Sonic, SonicPoint, request.gas)};
    if (auto own = OwnCurve(request))
        lines.push_back({FigureLine::Kind::OwnCurve, chart::Red, std::move(*own)});
    return lines;
}

bool HasOwnCurve(const FigureRequest& request)
{
    return OwnCurve(request).has_value();
}

LabelBox BoxOf(const FigureLabel& label, const FigureArea& area, const TextMetrics& metrics)
{
    const double x = area.X(label.at.x);
    const double y = area.Y(label.at.y);
    return {x, y - metrics.ascent, x + metrics.width(label.text), y + metrics.descent};
}

std::vector<FigureLabel> FigureLabels(const FigureRequest& request, const FigureArea& area,
                                      const TextMetrics& metrics)
{
    Placement placement(area, metrics);
    const std::vector<FigureLine> lines = FigureLines(request);
    placement.Place(placement.Beside(lines[0], FigureLabel::Kind::Detachment, "θmax", false));
    placement.Place(placement.Beside(lines[1], FigureLabel::Kind::Sonic, "M2 = 1", true));

    if (lines.size() > 2) {
        const std::string text = FormatRounded(*request.M1, 4, request.decimalSeparator);
        const auto own = [&](FigurePoint point) {
            return placement.Place(placement.OnCurve(FigureLabel::Kind::OwnCurve, chart::Red,
                                                     *request.M1, request.gas, point, text));
        };
        std::optional<FigurePoint> peak;
        try {
            peak = InDegrees(Detachment(*request.M1, request.gas));
        } catch (const ArithmeticFault&) {
            // No peak to name: the label goes to the curve's points.
        }
        if (!peak || !own(*peak)) {
            for (const FigurePoint& point : lines[2].points) {
                if ((!peak || point.x > peak->x) && own(point))
                    break;
            }
        }
    }

    for (int k = 11; k <= 30; ++k) {
        const double M = k / 10.0;
        const Rgb colour =
            request.M1 && std::fabs(M - *request.M1) < 0.1 ? chart::Red : chart::Blue;
        const std::string text =
            std::to_string(k / 10) + request.decimalSeparator + std::to_string(k % 10);
        placement.Place(placement.OnCurve(FigureLabel::Kind::Curve, colour, M, request.gas,
                                          InDegrees(Detachment(M, request.gas)), text));
    }
    return std::move(placement).Labels();
}
