#include "reactions/Command1Click.h"

#include "calc/RequestCalculation.h"
#include "chart/Chart.h"
#include "physics/ArithmeticFault.h"

RequestOutcome Command1_Click(ControlModel& form, FormState& state)
{
    RequestOutcome outcome = RequestCalculation(form, state);
    try {
        switch (outcome.kind) {
        case OutcomeKind::Solved:
            outcome.chartRedrawn = true;
            grafik(form, state, outcome.M1);
            MarkSolution(form, outcome.Beta, outcome.Teta);
            break;
        case OutcomeKind::NoAttachedSolution:
            outcome.chartRedrawn = true;
            grafik(form, state, outcome.M1);
            MarkNoSolution(form, outcome.Teta);
            form.ShowMessage(outcome.finalMessage);
            break;
        case OutcomeKind::NoOutputChosen:
        case OutcomeKind::Rejected:
        case OutcomeKind::CalculationFailed:
            break;
        }
    } catch (const ArithmeticFault& fault) {
        // A drawing step without a result: what was drawn before it stays, nothing after it
        // happens.
        form.ShowMessage(fault.what());
        outcome.kind = OutcomeKind::CalculationFailed;
        outcome.finalMessage.clear();
    }
    return outcome;
}
