#include "reactions/ResultsText.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::pair<TextBox, const char*> ResultNames[] = {
    {TextBox::Text_M1, "M1"},      {TextBox::Text_Teta, "θ"},     {TextBox::Text_Beta, "β"},
    {TextBox::Text_Mn1, "Mn1"},    {TextBox::Text_Mn2, "Mn2"},    {TextBox::Text_M2, "M2"},
    {TextBox::Text_p2p1, "p2/p1"}, {TextBox::Text_T2T1, "T2/T1"},
};

} // namespace

std::string ResultsText(const ControlModel& form)
{
    std::string text;
    for (const auto& [box, name] : ResultNames) {
        std::string value = form.Text(box);
        if (!HoldsValue(value))
            continue;
        std::replace_if(
            value.begin(), value.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; },
            ' ');
        text += name;
        text += '\t';
        text += value;
        text += '\n';
    }
    return text;
}

bool HoldsValue(const std::string& text)
{
    return text.find_first_not_of(" \t\r\n") != std::string::npos;
}
