#pragma once

#include "form/ControlModel.h"
#include "form/FormState.h"

// The θ–β–M chart on Picture1: x is β in degrees, y is −θ in degrees.
namespace chart {
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Red{255, 0, 0};
} // namespace chart

// Draws the axes and the curves for M = 1.1 … 3.0, those within 0.1 of M1 in red, the others
// in blue, on a cleared area; shows the axis labels.
void grafik(ControlModel& form, const FormState& state, double M1);

// A red ring at (β, θ) with red guide lines down to the β axis and across to the θ axis.
void MarkSolution(ControlModel& form, double Beta, double Teta);

// The requested θ as a red line from the θ axis across the length of the β axis.
void MarkNoSolution(ControlModel& form, double Teta);
