#pragma once

#include "form/ControlModel.h"

// Prepares the window for a new request after the user has chosen Option_M1, Option_Teta or
// Option_Beta as the output: the output box turns grey and the inputs white, all three are
// blanked, the weak/strong choice is offered only for β, the button asks for input and the
// chart area is cleared.
void SelectOutput(ControlModel& form, OptionButton output);

inline constexpr Rgb OutputBoxColour{200, 200, 200};
inline constexpr Rgb InputBoxColour{255, 255, 255};
