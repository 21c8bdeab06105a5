#pragma once

#include "calc/RequestOutcome.h"
#include "form/ControlModel.h"
#include "form/FormState.h"

// What a click on the calculate button does: the request, then by its outcome the chart with
// the solution mark, or the chart with the no-solution line followed by "Teta > TetaMax".
RequestOutcome Command1_Click(ControlModel& form, FormState& state);
