#include "reactions/ChartDescription.h"

#include "form/ShowRounded.h"

std::optional<std::string> ChartDescription(const RequestOutcome& outcome,
                                            const std::string& decimalSeparator)
{
    const auto number = [&](double value) {
        return FormatRounded(value, 4, decimalSeparator);
    };
    const std::string chart = "θ–β chart for M1 = " + number(outcome.M1);
    switch (outcome.kind) {
    case OutcomeKind::Solved:
        return chart + "; solution β = " + number(outcome.Beta) + "°, θ = " + number(outcome.Teta) +
               "°";
    case OutcomeKind::NoAttachedSolution:
        return chart + "; no attached shock for θ = " + number(outcome.Teta) + "°";
    case OutcomeKind::CalculationFailed:
        if (outcome.chartRedrawn)
            return chart + "; the solution lies beyond what the chart can draw and is not marked";
        break;
    case OutcomeKind::NoOutputChosen:
    case OutcomeKind::Rejected:
        break;
    }
    return std::nullopt;
}

FigureRequest ChartFigureRequest(const RequestOutcome& outcome, const PerfectGas& gas,
                                 const std::string& decimalSeparator)
{
    return {outcome.chartRedrawn ? std::optional(outcome.M1) : std::nullopt, gas, decimalSeparator};
}
