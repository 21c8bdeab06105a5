#pragma once

#include "calc/RequestOutcome.h"
#include "form/ControlModel.h"
#include "form/FormState.h"

// One click on the calculate button: finds the chosen output, reads and validates the two
// inputs, computes the output (β by the wave-angle iteration, θ and M1 in closed form) and
// writes it. Refusals and arithmetic faults are shown as messages here; the outcome tells the
// main window what to draw and which message still follows the drawing.
RequestOutcome RequestCalculation(ControlModel& form, FormState& state);
