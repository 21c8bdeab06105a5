#pragma once

#include "form/ControlModel.h"

#include <string>

// The text of a value rounded to `places` decimals, ties to even, with at most 15 significant
// digits and no trailing zeros: 2 reads "2", 0.60370 reads "0.6037". A value whose rounded
// magnitude reaches 1e15 is written in exponent form with 15 significant digits,
// "1.23456789012346E+15". `decimalSeparator` replaces the ".".
std::string FormatRounded(double value, int places, const std::string& decimalSeparator = ".");

// Writes FormatRounded(value, places) into a box, in the user's decimal separator.
void ShowRounded(ControlModel& form, TextBox box, double value, int places);
