#include "reactions/OutputSelection.h"

#include "form/ChartSurface.h"

void SelectOutput(ControlModel& form, OptionButton output)
{
    const auto colourOf = [output](OptionButton option) {
        return option == output ? OutputBoxColour : InputBoxColour;
    };

    form.SetVisible(Element::Frame3, output == OptionButton::Option_Beta);
    form.SetBackColor(TextBox::Text_M1, colourOf(OptionButton::Option_M1));
    form.SetBackColor(TextBox::Text_Beta, colourOf(OptionButton::Option_Beta));
    form.SetBackColor(TextBox::Text_Teta, colourOf(OptionButton::Option_Teta));
    for (TextBox box : {TextBox::Text_M1, TextBox::Text_Beta, TextBox::Text_Teta})
        form.SetText(box, " ");
    form.SetCommandCaption("SET input values then CLICK");
    form.Picture1().Clear();
}
