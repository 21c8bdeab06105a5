#pragma once

#include "form/ControlModel.h"
#include "reactions/OutputSelection.h"

#include <optional>
#include <string>

// What a user does for one request in a fresh window before the click on the calculate button,
// on any form that a user acts on: `Choose` an option (alone in its group) and `Type` into a
// box. The shell's requests and the golden log's make their requests through these steps, so
// that every request is typed the same way.

// The output chosen, as a click on its option button does it: selected, then SelectOutput. No
// output: none is clicked.
template <typename Form>
void ChooseOutput(Form& form, const std::optional<OptionButton>& output)
{
    if (output) {
        form.Choose(*output);
        SelectOutput(form, *output);
    }
}

// The texts typed into the input boxes, in window order, after the output choice has blanked
// them. None: the box is left as it is.
template <typename Form>
void TypeInputs(Form& form, const std::optional<std::string>& M1,
                const std::optional<std::string>& Teta, const std::optional<std::string>& Beta)
{
    if (M1)
        form.Type(TextBox::Text_M1, *M1);
    if (Teta)
        form.Type(TextBox::Text_Teta, *Teta);
    if (Beta)
        form.Type(TextBox::Text_Beta, *Beta);
}
