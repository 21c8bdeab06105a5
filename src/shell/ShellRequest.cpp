#include "shell/ShellRequest.h"

#include "form/FormState.h"
#include "form/ParseNumber.h"
#include "physics/ArithmeticFault.h"
#include "reactions/Command1Click.h"
#include "reactions/RequestSteps.h"
#include "shell/ShellForm.h"

#include <charconv>
#include <iterator>

ShellAnswer Answer(const ShellRequest& request, const std::string& decimalSeparator,
                   ChartSurface* chart)
{
    ShellForm form(decimalSeparator, chart);
    FormState state;
    UseGas(state, request.gas);
    ChooseOutput(form, request.output);
    form.Choose(request.branch);
    TypeInputs(form, request.M1, request.Teta, request.Beta);

    form.ForgetWrites();
    ShellAnswer answer;
    answer.outcome = Command1_Click(form, state);
    for (TextBox box : AllTextBoxes) {
        const auto index = static_cast<std::size_t>(box);
        answer.texts[index] = form.Text(box);
        answer.written[index] = form.Written(box);
    }
    answer.messages = form.Messages();
    answer.shock = ShockDetailsOf(answer.outcome, request.gas, decimalSeparator);
    return answer;
}

std::vector<std::string> ReadNotes(const ShellRequest& request, const std::string& decimalSeparator)
{
    std::vector<std::string> notes;
    if (!request.output)
        return notes;
    const auto note = [&](const char* name, const std::optional<std::string>& typed,
                          OptionButton output) {
        if (!typed || request.output == output)
            return;
        NumberReading reading;
        try {
            reading = ReadNumber(*typed, decimalSeparator);
        } catch (const ArithmeticFault&) {
            return;
        }
        if (!reading.textGoesOn)
            return;
        char digits[32];
        const auto end = std::to_chars(std::begin(digits), std::end(digits), reading.value).ptr;
        std::string value(digits, end);
        if (const std::size_t point = value.find('.'); point != std::string::npos)
            value.replace(point, 1, decimalSeparator);
        notes.push_back(std::string(name) + " \"" + *typed + "\" read as " + value);
    };
    note("M1", request.M1, OptionButton::Option_M1);
    note("Teta", request.Teta, OptionButton::Option_Teta);
    note("Beta", request.Beta, OptionButton::Option_Beta);
    return notes;
}

int ExitStatus(OutcomeKind kind)
{
    switch (kind) {
    case OutcomeKind::Solved:
        return 0;
    case OutcomeKind::NoOutputChosen:
    case OutcomeKind::Rejected:
        return 3;
    case OutcomeKind::NoAttachedSolution:
        return 4;
    case OutcomeKind::CalculationFailed:
        return 5;
    }
    return 5;
}
