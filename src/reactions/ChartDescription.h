#pragma once

#include "calc/RequestOutcome.h"
#include "chart/FigureLines.h"

#include <optional>
#include <string>

// What the chart shows after a click, in words for a screen reader: "θ–β chart for M1 = 2;
// solution β = 39.3139°, θ = 10°". Empty when the click left the chart as it was.
std::optional<std::string> ChartDescription(const RequestOutcome& outcome,
                                            const std::string& decimalSeparator);

// The request whose chart a figure shows after a click in a form of `gas`: the M1 the chart was
// drawn for, none when the click drew no chart.
FigureRequest ChartFigureRequest(const RequestOutcome& outcome, const PerfectGas& gas,
                                 const std::string& decimalSeparator);

// The chart area after an output choice has cleared it.
inline constexpr const char* EmptyChartDescription = "θ–β chart, empty";
