#pragma once

#include "chart/FigureTicks.h"
#include "form/Rgb.h"
#include "physics/PerfectGas.h"

#include <optional>
#include <string>
#include <vector>

// What a figure of the chart draws over the chart area's drawing so that it explains itself,
// whatever paints it: the θmax line and the sonic line across the family of curves, the
// request's own curve where its M1 is none of the twenty, and the labels that name them all.

// The request whose chart a figure shows: the M1 the chart was drawn for (none: the curves
// alone), its gas, and the decimal separator its numbers are written in.
struct FigureRequest {
    std::optional<double> M1;
    PerfectGas gas = Air;
    std::string decimalSeparator = ".";
};

namespace chart {
inline constexpr Rgb DarkGrey{96, 96, 96}; // the θmax and sonic lines and their labels
} // namespace chart

// A point in the chart's coordinates: x is β, y is −θ, in degrees.
struct FigurePoint {
    double x;
    double y;
};

// A thin dashed line through its points.
struct FigureLine {
    enum class Kind {
        Detachment, // the θmax line: the detachment point of every M1 from 1 on
        Sonic,      // the sonic line, M2 = 1: the sonic point of every M1 from 1 on
        OwnCurve    // the curve of the request's M1, drawn as the chart draws its curves
    };
    Kind kind;
    Rgb colour;
    std::vector<FigurePoint> points;
};

// Both loci start at M1 → 1, where the detachment and sonic points meet the Mach angle, 90°, on
// the β axis, and follow M1 up to 1000 or to the first point above the chart's top, whichever
// comes first. The request's curve, in red, comes last when it has one.
std::vector<FigureLine> FigureLines(const FigureRequest& request);

// Whether the request's M1 has a curve of its own: a finite M1 above 1 that is none of the
// chart's twenty (k / 10 for k = 11 … 30, as the chart computes them) and whose curve the chart
// could draw (a curve whose points overflow, for an M1 beyond about 1e150, has none).
bool HasOwnCurve(const FigureRequest& request);

// The chart area in the figure's units, which places the chart's coordinates as its scale does.
struct FigureArea {
    double width;
    double height;

    double X(double x) const;
    double Y(double y) const;
};

// How the front end sets a label: its width, and how far its glyphs (digits, capitals, "θ", none
// with a descender) and the margin the front end leaves around them reach above and below the
// baseline, in the figure's units.
struct TextMetrics {
    TextWidth width;
    double ascent;
    double descent;
};

// A text on the figure, in the colour of what it names.
struct FigureLabel {
    enum class Kind {
        Curve,      // a Mach number of the twenty: "1.1" … "3.0"
        OwnCurve,   // the request's M1, as its caption writes it
        Detachment, // "θmax"
        Sonic       // "M2 = 1"
    };
    Kind kind;
    Rgb colour;
    FigurePoint at; // the start of the text's baseline
    std::string text;
};

// The labels, none overlapping another and each wholly inside the chart area, placed in this
// order: the θmax line's to the right of it and the sonic line's to the left of it, both as high
// as the lines reach in the area; the request's own curve's, on the curve from just right of its
// θmax peak, or from the first of its points on the strong side that leaves room when the peak
// is out of the area; each of the twenty curves' on the curve from just right of its peak, from
// M = 1.1 upwards. A label that would overlap one placed before it or leave the area is left
// out. A curve runs through the middle of its label, which the front end sets on the
// background's colour so that the text stays legible.
std::vector<FigureLabel> FigureLabels(const FigureRequest& request, const FigureArea& area,
                                      const TextMetrics& metrics);

// The box a label's text takes, in the figure's units from the chart area's top-left corner.
struct LabelBox {
    double left;
    double top;
    double right;
    double bottom;
};
LabelBox BoxOf(const FigureLabel& label, const FigureArea& area, const TextMetrics& metrics);
