#pragma once

#include "physics/PerfectGas.h"

#include <optional>
#include <string>

class ChartRecord;

// A point of the θ–β chart, both angles in degrees.
struct ChartPoint {
    double Beta;
    double Teta;
};

// The point of the chart at a place of its drawable area, `x` across and `y` down from the area's
// top-left corner of an area `width` × `height`, by the chart's scale (x is β, y is −θ); none
// while nothing is drawn.
std::optional<ChartPoint> ChartPointAt(const ChartRecord& chart, double x, double y, double width,
                                       double height);

// What the chart's tooltip says of a point: its β and θ with 2 places, then the M1 of the shock in
// `gas` that has that wave angle and deflection, from the relation solved for M1, with 4 places,
// and the branch its β lies on: "β 41.25°, θ 10.30°: M1 = 1.9253, weak". Where no shock passes,
// why: a β outside 0° to 90°, a θ at or below 0, a θ above what any M1 reaches at that β.
std::string ChartPointText(ChartPoint point, const PerfectGas& gas,
                           const std::string& decimalSeparator);
