#include "calc/WaveAngleIteration.h"
#include "support/ParamName.h"
#include "support/RecordingForm.h"

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

namespace {

struct Iteration {
    RecordingForm form;
    FormState state;
    double BetaR = 0.0;

    Iteration(double M1, double teta, OptionButton branch)
    {
        form.Choose(branch);
        state.Teta = teta;
        Beta_için_iterasyon(form, state, M1, BetaR, state.DegToRad * teta);
    }
};

struct ConvergingCase {
    const char* name;
    double M1;
    double teta;
    OptionButton branch;
    std::string shown;
};

class IterationConverges : public testing::TestWithParam<ConvergingCase> {};

TEST_P(IterationConverges, ShowsBetaAfterSteps)
{
    const auto& c = GetParam();
    Iteration run(c.M1, c.teta, c.branch);
    EXPECT_FALSE(run.state.TetaMaxExceeded);
    EXPECT_EQ(run.form.texts[TextBox::Text_Beta], c.shown);
    // The wave angle handed back is a root of the θ–β–M relation.
    const double b = run.BetaR;
    const double relation = 2.0 / std::tan(b) * (c.M1 * c.M1 * std::sin(b) * std::sin(b) - 1.0) /
                            (c.M1 * c.M1 * (1.4 + std::cos(2.0 * b)) + 2.0);
    EXPECT_NEAR(relation, std::tan(run.state.DegToRad * c.teta), 1e-9);
    EXPECT_TRUE(run.form.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Requests, IterationConverges,
    testing::Values(
        ConvergingCase{"weak_M2_theta10", 2, 10, OptionButton::Option_Weak, "39.3139"},
        ConvergingCase{"strong_M2_theta10", 2, 10, OptionButton::Option_Strong, "83.7001"},
        ConvergingCase{"weak_M2_theta20", 2, 20, OptionButton::Option_Weak, "53.4229"},
        ConvergingCase{"strong_M2_theta20", 2, 20, OptionButton::Option_Strong, "74.2701"},
        ConvergingCase{"weak_M3_theta20", 3, 20, OptionButton::Option_Weak, "37.7636"},
        ConvergingCase{"strong_M3_theta20", 3, 20, OptionButton::Option_Strong, "82.1467"},
        ConvergingCase{"strong_M2_theta0_normal_shock", 2, 0, OptionButton::Option_Strong, "90"},
        ConvergingCase{"weak_M2_theta0_mach_wave", 2, 0, OptionButton::Option_Weak, "30"}),
    ParamName);

TEST(IterationDetached, LeavesTheRangeWithoutMessageOrWrites)
{
    struct Case {
        double teta;
        OptionButton branch;
    };
    for (const Case& c : {Case{25, OptionButton::Option_Weak}, Case{30, OptionButton::Option_Weak},
                          Case{25, OptionButton::Option_Strong}}) {
        Iteration run(2, c.teta, c.branch);
        EXPECT_TRUE(run.state.TetaMaxExceeded) << c.teta;
        EXPECT_TRUE(run.form.events.empty()) << c.teta;
    }
}

// For an M1 a hair above 1 the Mach angle is nearly 90° and the largest deflection is about
// 5e-20°: θ = 1e-15° has no attached shock, though the strong branch's steps settle just below
// the Mach angle.
TEST(IterationDetached, StrongStepsSettlingBelowTheMachAngleAreNoShock)
{
    Iteration run(1.00000000000001, 1e-15, OptionButton::Option_Strong);
    EXPECT_TRUE(run.state.TetaMaxExceeded);
    EXPECT_TRUE(run.form.events.empty());
    EXPECT_FALSE(Iteration(1.00000000000001, 0, OptionButton::Option_Strong).state.TetaMaxExceeded);
}

TEST(IterationDetached, NonConvergenceIsReportedAfterAThousandSteps)
{
    Iteration run(1.5, 33.3, OptionButton::Option_Strong);
    EXPECT_EQ(run.form.events,
              std::vector<std::string>{"message:  iterasyon 1000 adımda yakınsamadı"});
    EXPECT_TRUE(run.state.TetaMaxExceeded);
}

TEST(IterationState, FlagIsClearedByTheNextCall)
{
    Iteration run(2, 30, OptionButton::Option_Weak);
    ASSERT_TRUE(run.state.TetaMaxExceeded);
    run.state.Teta = 10;
    double BetaR = 0.0;
    Beta_için_iterasyon(run.form, run.state, 2, BetaR, run.state.DegToRad * 10);
    EXPECT_FALSE(run.state.TetaMaxExceeded);
    EXPECT_EQ(run.form.texts[TextBox::Text_Beta], "39.3139");
}

TEST(IterationState, NeitherBranchSelectedTakesTheWeakOne)
{
    RecordingForm form;
    form.selected.clear();
    FormState state;
    state.Teta = 10;
    double BetaR = 0.0;
    Beta_için_iterasyon(form, state, 2, BetaR, state.DegToRad * 10);
    EXPECT_FALSE(state.TetaMaxExceeded);
    EXPECT_EQ(form.texts[TextBox::Text_Beta], "39.3139");
}

} // namespace
