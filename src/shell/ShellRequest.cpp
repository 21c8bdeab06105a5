#include "shell/ShellRequest.h"

#include "form/FormState.h"
#include "reactions/Command1Click.h"
#include "reactions/OutputSelection.h"
#include "shell/ShellForm.h"

ShellAnswer Answer(const ShellRequest& request, const std::string& decimalSeparator,
                   ChartSurface* chart)
{
    ShellForm form(decimalSeparator, chart);
    FormState state;
    if (request.output) {
        form.Choose(*request.output);
        SelectOutput(form, *request.output);
    }
    form.Choose(request.branch);
    if (request.M1)
        form.Type(TextBox::Text_M1, *request.M1);
    if (request.Teta)
        form.Type(TextBox::Text_Teta, *request.Teta);
    if (request.Beta)
        form.Type(TextBox::Text_Beta, *request.Beta);

    form.ForgetWrites();
    ShellAnswer answer;
    answer.outcome = Command1_Click(form, state);
    for (TextBox box : AllTextBoxes) {
        const auto index = static_cast<std::size_t>(box);
        answer.texts[index] = form.Text(box);
        answer.written[index] = form.Written(box);
    }
    answer.messages = form.Messages();
    return answer;
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
