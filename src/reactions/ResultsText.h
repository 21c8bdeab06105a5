#pragma once

#include "form/ControlModel.h"

#include <string>

// What the boxes show, as text to paste into a spreadsheet: one line per box that holds a value,
// in the window's order (M1, θ, β, Mn1, Mn2, M2, p2/p1, T2/T1), each "name<TAB>value" with the
// value exactly as its box shows it. A tab or line break inside a box would split the row, so it
// becomes a blank.
std::string ResultsText(const ControlModel& form);

// Whether a box's text is a value: anything but blanks (the output choice leaves a box " ").
bool HoldsValue(const std::string& text);
