#include "reactions/ResultsText.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::pair<TextBox, const char*> ResultNames[] = {
    {TextBox::Text_M1, "M1"},      {TextBox::Text_Teta, "θ"},     {TextBox::Text_Beta, "β"},
    {TextBox::Text_Mn1, "Mn1"},    {TextBox::Text_Mn2, "Mn2"},    {TextBox::Text_M2, "M2"},
    {TextBox::Text_p2p1, "p2/p1"}, {TextBox::Text_T2T1, "T2/T1"},
};

std::size_t Index(TextBox box)
{
    return static_cast<std::size_t>(box);
}

// The input boxes of each output: the two quantities the request reads.
struct Inputs {
    OptionButton output;
    TextBox first;
    TextBox second;
};
constexpr Inputs InputsOf[] = {
    {OptionButton::Option_M1, TextBox::Text_Teta, TextBox::Text_Beta},
    {OptionButton::Option_Teta, TextBox::Text_M1, TextBox::Text_Beta},
    {OptionButton::Option_Beta, TextBox::Text_M1, TextBox::Text_Teta},
};

void AppendLine(std::string& text, const char* name, std::string value)
{
    // Blanks at the ends show as nothing (" 2", typed after the output choice's blank).
    value.erase(0, value.find_first_not_of(" \t\r\n"));
    value.erase(value.find_last_not_of(" \t\r\n") + 1);
    std::replace_if(
        value.begin(), value.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; },
        ' ');
    text += name;
    text += '\t';
    text += value;
    text += '\n';
}

} // namespace

void ClickResults::Begin(const ControlModel& form)
{
    m_click = {};
    for (const Inputs& inputs : InputsOf) {
        if (form.IsSelected(inputs.output)) {
            m_click[Index(inputs.first)] = form.Text(inputs.first);
            m_click[Index(inputs.second)] = form.Text(inputs.second);
        }
    }
}

void ClickResults::Wrote(TextBox box, const std::string& text)
{
    m_click[Index(box)] = text;
}

void ClickResults::End(const RequestOutcome& outcome)
{
    if (!outcome.chartRedrawn)
        return;
    std::string text;
    for (const auto& [box, name] : ResultNames) {
        const std::optional<std::string>& value = m_click[Index(box)];
        if (box == TextBox::Text_Beta && outcome.kind == OutcomeKind::NoAttachedSolution)
            AppendLine(text, name, "no attached shock (" + outcome.finalMessage + ")");
        else if (value && HoldsValue(*value))
            AppendLine(text, name, *value);
    }
    m_kept = std::move(text);
    m_request = outcome;
}

void ClickResults::Clear()
{
    m_click = {};
    m_kept = {};
    m_request.reset();
}

bool HoldsValue(const std::string& text)
{
    return text.find_first_not_of(" \t\r\n") != std::string::npos;
}
