#include "reactions/ChartDescription.h"

#include <gtest/gtest.h>

namespace {

TEST(ChartDescription, SaysWhatTheClickDrew)
{
    EXPECT_EQ(ChartDescription({OutcomeKind::Solved, 2, 39.31393180, 10, {}}, "."),
              "θ–β chart for M1 = 2; solution β = 39.3139°, θ = 10°");
    EXPECT_EQ(
        ChartDescription({OutcomeKind::NoAttachedSolution, 2.5, 0, 40.25, "Teta > TetaMax"}, ","),
        "θ–β chart for M1 = 2,5; no attached shock for θ = 40,25°");
    for (OutcomeKind unchanged :
         {OutcomeKind::NoOutputChosen, OutcomeKind::Rejected, OutcomeKind::CalculationFailed})
        EXPECT_FALSE(ChartDescription({unchanged, 0, 0, 0, {}}, "."));
    // A fault at the drawing step comes after the curves: the chart is new, the mark missing.
    EXPECT_EQ(ChartDescription({OutcomeKind::CalculationFailed, 1.6058, -3e78, 10, {}, true}, "."),
              "θ–β chart for M1 = 1.6058; the solution lies beyond what the chart can draw and is "
              "not marked");
}

} // namespace
