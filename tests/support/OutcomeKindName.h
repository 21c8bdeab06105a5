#pragma once

#include "calc/RequestOutcome.h"

#include <string>

// The name of an outcome kind, as tests print and compare it.
inline std::string KindName(OutcomeKind kind)
{
    switch (kind) {
    case OutcomeKind::NoOutputChosen:
        return "NoOutputChosen";
    case OutcomeKind::Rejected:
        return "Rejected";
    case OutcomeKind::Solved:
        return "Solved";
    case OutcomeKind::NoAttachedSolution:
        return "NoAttachedSolution";
    case OutcomeKind::CalculationFailed:
        return "CalculationFailed";
    }
    return "kind " + std::to_string(static_cast<int>(kind));
}
