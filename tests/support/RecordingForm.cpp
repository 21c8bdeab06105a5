#include "support/RecordingForm.h"

RecordingForm::RecordingForm()
{
    for (const TextBoxRow& box : TextBoxes)
        texts.emplace(box.id, box.initialText);
    for (const OptionButtonRow& option : OptionButtons) {
        if (option.selectedAtStart)
            selected.insert(option.id);
    }
    for (const ElementRow& element : Elements)
        visible[element.id] = element.visibleAtStart;
}

void RecordingForm::Choose(OptionButton option)
{
    std::erase_if(selected,
                  [option](OptionButton other) { return GroupOf(other) == GroupOf(option); });
    selected.insert(option);
}

void RecordingForm::Type(TextBox box, const std::string& text)
{
    texts[box] = text;
}

std::string RecordingForm::Text(TextBox box) const
{
    return texts.at(box);
}

void RecordingForm::SetText(TextBox box, const std::string& text)
{
    texts[box] = text;
    events.push_back(std::string(ControlName(box)) + " <- " + text);
}

void RecordingForm::SetBackColor(TextBox box, Rgb colour)
{
    colours[box] = colour;
    events.push_back(std::string(ControlName(box)) + " colour " + std::to_string(colour.red) + "," +
                     std::to_string(colour.green) + "," + std::to_string(colour.blue));
}

bool RecordingForm::IsSelected(OptionButton option) const
{
    return selected.contains(option);
}

void RecordingForm::SetVisible(Element element, bool isVisible)
{
    visible[element] = isVisible;
    events.push_back(std::string(ControlName(element)) + (isVisible ? " shown" : " hidden"));
}

void RecordingForm::SetCommandCaption(const std::string& text)
{
    caption = text;
    events.push_back("Command1 <- " + text);
}

ChartSurface& RecordingForm::Picture1()
{
    return surface;
}

void RecordingForm::ShowMessage(const std::string& message)
{
    messages.push_back(message);
    events.push_back("message: " + message);
}

std::string RecordingForm::DecimalSeparator() const
{
    return separator;
}
