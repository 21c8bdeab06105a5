#pragma once

// Running what goes into the log: a request through the output choice and the click on a fresh
// recording window, and the chart functions called on their own.

#include "GoldenLog.h"
#include "GoldenRequests.h"
#include "support/RecordingForm.h"

#include <functional>
#include <string>

namespace golden {

// The header of a request's entry: what was chosen and typed.
std::string Header(int number, const Request& request);

// One request on a fresh window and form state: the output choice, the typing and the click,
// with what they did and the outcome.
void Run(Log& log, int number, const Request& request);

// An entry of what `draw` does on a fresh window, and the fault it ends in, if any.
void RunChart(Log& log, const std::string& header, const std::function<void(RecordingForm&)>& draw);

// The chart for Mach numbers across and beyond its range, and the solution marks for wave
// angles and deflections around and beyond their edges.
void RunCharts(Log& log);

} // namespace golden
