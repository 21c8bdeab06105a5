#include "shell/ShellForm.h"

#include <utility>

ShellForm::ShellForm(std::string decimalSeparator, ChartSurface* chart)
    : m_separator(std::move(decimalSeparator))
{
    if (chart)
        m_chart = chart;
}

std::array<std::string, std::size(AllTextBoxes)> ShellForm::TextsAtStart()
{
    std::array<std::string, std::size(AllTextBoxes)> texts;
    for (TextBox box : AllTextBoxes)
        texts[Index(box)] = InitialText(box);
    return texts;
}

void ShellForm::Choose(OptionButton option)
{
    for (OptionButton other : AllOptionButtons) {
        if (GroupOf(other) == GroupOf(option))
            m_selected[Index(other)] = other == option;
    }
}

void ShellForm::Type(TextBox box, std::string text)
{
    m_texts[Index(box)] = std::move(text);
}

void ShellForm::ForgetWrites()
{
    m_written.fill(false);
}

void ShellForm::SetText(TextBox box, const std::string& text)
{
    m_texts[Index(box)] = text;
    m_written[Index(box)] = true;
}
