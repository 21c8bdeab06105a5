#include "shell/ShellRequest.h"

#include "form/FormState.h"
#include "form/ParseNumber.h"
#include "physics/ArithmeticFault.h"
#include "reactions/Command1Click.h"
#include "reactions/RequestSteps.h"
#include "shell/ShellForm.h"

#include <algorithm>
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

std::optional<PerfectGas> GasOfRatio(std::string_view text, char decimalMark)
{
    const std::size_t mark = text.find(decimalMark);
    const auto digits = [](std::string_view piece) {
        return std::all_of(piece.begin(), piece.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    const std::string_view whole = text.substr(0, mark);
    const std::string_view fraction =
        mark == std::string_view::npos ? std::string_view() : text.substr(mark + 1);
    if (!digits(whole) || !digits(fraction) || whole.size() + fraction.size() == 0)
        return std::nullopt;
    std::string plain = whole.empty() ? "0" : std::string(whole);
    if (!fraction.empty())
        plain.append(".").append(fraction);
    double gamma = 0.0;
    const auto [end, error] =
        std::from_chars(plain.data(), plain.data() + plain.size(), gamma, std::chars_format::fixed);
    if (error != std::errc() || end != plain.data() + plain.size() ||
        !(gamma > 1.0 && gamma <= 3.0))
        return std::nullopt;
    return PerfectGasOf(gamma);
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
