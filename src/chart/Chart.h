#pragma once

#include "form/ControlModel.h"
#include "form/FormState.h"

#include <array>
#include <vector>

// The θ–β–M chart on Picture1: x is β in degrees, y is −θ in degrees.
namespace chart {
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Red{255, 0, 0};

// The area's scale: its top-left corner at (Left, Top), its bottom-right at (Right, Bottom).
inline constexpr float Left = -10;
inline constexpr float Top = -35;
inline constexpr float Right = 100;
inline constexpr float Bottom = 5;
} // namespace chart

// Appends the points of the curve of M as the chart draws it: its Mach angle on the β axis, then
// 21 samples of the wave angle up to the normal shock at 90°, each with its −θ. A step without a
// result throws ArithmeticFault, the points before it appended.
void AppendCurvePoints(double M, const FormState& state, std::vector<std::array<float, 2>>& points);

// Draws the axes and the curves for M = 1.1 … 3.0, those within 0.1 of M1 in red, the others
// in blue, on a cleared area; shows the axis labels.
void grafik(ControlModel& form, const FormState& state, double M1);

// A red ring at (β, θ) with red guide lines down to the β axis and across to the θ axis.
void MarkSolution(ControlModel& form, double Beta, double Teta);

// The requested θ as a red line from the θ axis across the length of the β axis.
void MarkNoSolution(ControlModel& form, double Teta);
