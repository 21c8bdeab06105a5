#include "calc/Command1Click.h"

#include "calc/RequestCalculation.h"
#include "chart/Chart.h"

RequestOutcome Command1_Click(ControlModel& form, FormState& state)
{
    const RequestOutcome outcome = RequestCalculation(form, state);
    switch (outcome.kind) {
    case OutcomeKind::Solved:
        grafik(form, state, outcome.M1);
        MarkSolution(form, outcome.Beta, outcome.Teta);
        break;
    case OutcomeKind::NoAttachedSolution:
        grafik(form, state, outcome.M1);
        MarkNoSolution(form, outcome.Teta);
        form.ShowMessage(outcome.finalMessage);
        break;
    case OutcomeKind::NoOutputChosen:
    case OutcomeKind::Rejected:
    case OutcomeKind::CalculationFailed:
        break;
    }
    return outcome;
}
